#include "kits/kit_editing.h"

#include "app/ui_helpers.h"

#include <QLabel>
#include <QPushButton>

namespace zok {

QPushButton *makeKitButton(QWidget *tab, const QString &name, const QString &text, int x)
{
    auto *button = new QPushButton(text, tab);
    button->setObjectName(name);
    button->setGeometry(x, 206, 80, 22);
    return button;
}

QComboBox *makeKitCombo(QWidget *tab, const QString &name, const QStringList &items, int y,
                        int startIndex)
{
    auto *combo = new QComboBox(tab);
    combo->setObjectName(name);
    combo->setGeometry(240, y, 201, 22);
    combo->addItems(items);
    combo->setCurrentIndex(startIndex);
    return combo;
}

QLabel *makeFieldLabel(QWidget *tab, const QString &name, const QString &text, QPoint at)
{
    QLabel *label = makeLabel(tab, name, text, at, QStringLiteral("Orbitron"), 14);
    label->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    label->resize(label->sizeHint().width(), 22);
    return label;
}

QLabel *makeHeading(QWidget *tab, const QString &name, const QString &text, QPoint at)
{
    return makeLabel(tab, name, text, at, QStringLiteral("Roboto"), 14);
}

} // namespace zok
