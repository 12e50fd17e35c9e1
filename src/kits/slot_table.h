#pragma once

#include "app/clickable.h"

#include <QList>
#include <QPoint>
#include <QString>

class QLabel;
class QWidget;

// Rows of identical slot controls (an edit, its label, its clear icon) are
// one table per tab; one fill and one clear function serve every row.
namespace zok {

template <class Kit>
struct SlotRow {
    QString editName;       // objectName of the slot edit
    QString labelText;
    QString Kit::*field;
    QString clearIconName;  // empty where the slot has no clear icon
};

struct SlotWidgets {
    ClickableEdit *edit = nullptr;
    QLabel *label = nullptr;
    ClickableLabel *clear = nullptr;  // null where the row has none
};

// Places one row: the edit at editAt (width x 22), its label right-aligned
// just left of it, the clear icon at (448, y + 8), 14 x 14.
SlotWidgets makeSlotRow(QWidget *tab, const QString &editName, const QString &labelText,
                        const QString &clearIconName, QPoint editAt, int width);

// The red cross every clear icon shows.
inline const QString ClearIconPath = QStringLiteral(":/icons/clear.png");

// A tab's rows one under another, 40 apart, the first edit at firstEditAt.
template <class Kit>
QList<SlotWidgets> makeSlotRows(QWidget *tab, const QList<SlotRow<Kit>> &rows,
                                QPoint firstEditAt, int width = 200)
{
    QList<SlotWidgets> widgets;
    for (qsizetype r = 0; r < rows.size(); ++r) {
        const SlotWidgets row =
            makeSlotRow(tab, rows[r].editName, rows[r].labelText, rows[r].clearIconName,
                        firstEditAt + QPoint(0, 40 * int(r)), width);
        row.edit->setReadOnly(true);
        widgets.append(row);
    }
    return widgets;
}

// Sets the edit and the selected record's field; nothing without a kit.
template <class Kit>
void storeSlot(QList<Kit> &kits, int selected, QLineEdit *edit, QString Kit::*field,
               const QString &text)
{
    if (selected < 0 || selected >= kits.size())
        return;
    edit->setText(text);
    kits[selected].*field = edit->text();
}

// A name the kit files can hold: they are written without escaping, so a
// double quote, a backslash or a control character would break the JSON the
// game server reads, and a brace or a bracket would make the smol crate
// reader take it for a kit or the end of a loot set, losing what follows.
bool isStorableItemName(const QString &name);
inline const QString UnstorableItemMessage = QStringLiteral(
    "This item name cannot be stored in the config file: it holds a double quote, "
    "a backslash, a brace, a bracket or a control character.");

} // namespace zok
