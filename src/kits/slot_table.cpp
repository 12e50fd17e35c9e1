#include "kits/slot_table.h"

#include "app/ui_helpers.h"

#include <QLabel>
#include <QPixmap>

namespace zok {

SlotWidgets makeSlotRow(QWidget *tab, const QString &editName, const QString &labelText,
                        const QString &clearIconName, QPoint editAt, int width)
{
    SlotWidgets row;
    row.edit = new ClickableEdit(tab);
    row.edit->setObjectName(editName);
    row.edit->setGeometry(editAt.x(), editAt.y(), width, 22);

    row.label = makeLabel(tab, editName + QStringLiteral("Label"), labelText, QPoint(0, 0),
                          QStringLiteral("Orbitron"), 14);
    row.label->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    const int labelWidth = row.label->sizeHint().width();
    row.label->setGeometry(editAt.x() - 8 - labelWidth, editAt.y(), labelWidth, 22);

    if (!clearIconName.isEmpty()) {
        row.clear = new ClickableLabel(tab);
        row.clear->setObjectName(clearIconName);
        row.clear->setGeometry(448, editAt.y() + 8, 14, 14);
        row.clear->setCursor(Qt::PointingHandCursor);
        row.clear->setPixmap(QPixmap(ClearIconPath));
    }
    return row;
}

bool isStorableItemName(const QString &name)
{
    for (QChar c : name) {
        const char16_t u = c.unicode();
        if (u == u'"' || u == u'\\' || u < 0x20 || u == 0x7F || u == u'{' || u == u'}'
            || u == u'[' || u == u']')
            return false;
    }
    return true;
}

} // namespace zok
