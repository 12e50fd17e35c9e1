#pragma once

#include "app/tform2.h"
#include "app/ui_helpers.h"
#include "kits/kitfile.h"
#include "kits/slot_table.h"

#include <QComboBox>
#include <QList>
#include <QListWidget>
#include <QStringList>
#include <functional>

class QLabel;
class QPushButton;

// What the clothing, weapon and general tabs share: showing a kit in combos
// and slot edits, and the whole-file rewrite behind Add, Save and Remove.
namespace zok {

inline const QStringList TierWords = {
    QStringLiteral("yellow"), QStringLiteral("green"), QStringLiteral("blue"),
    QStringLiteral("purple"), QStringLiteral("red"),
};
constexpr int StartTierIndex = 1;  // "green"

// The controls every kit tab places the same way: Add, Save and Remove at
// (x, 206); combos 201 x 22 at (240, y); field labels in Orbitron 14 with
// the height of the control beside them.
QPushButton *makeKitButton(QWidget *tab, const QString &name, const QString &text, int x);
QComboBox *makeKitCombo(QWidget *tab, const QString &name, const QStringList &items, int y,
                        int startIndex);
QLabel *makeFieldLabel(QWidget *tab, const QString &name, const QString &text, QPoint at);
QLabel *makeHeading(QWidget *tab, const QString &name, const QString &text, QPoint at);

// Exact, case-sensitive match; a text that matches no item leaves the combo
// as it was. Setting another index raises the combo's change.
inline void selectMatching(QComboBox *combo, const QStringList &items, const QString &text)
{
    const int index = items.indexOf(text);
    if (index >= 0)
        combo->setCurrentIndex(index);
}

// The kit list's selected row when it names a record, else -1.
template <class Kit>
int selectedKit(const QListWidget *list, const QList<Kit> &kits)
{
    const int row = selectedListRow(list);
    return row >= 0 && row < kits.size() ? row : -1;
}

// Selecting another row raises the list's change, which shows the kit; with
// no kit left nothing is selected and the controls keep what they show.
inline void selectLastKit(QListWidget *list)
{
    list->setCurrentRow(list->count() - 1);
}

template <class Kit>
void showSlots(const Kit &kit, const QList<SlotRow<Kit>> &rows, const QList<SlotWidgets> &widgets)
{
    for (qsizetype r = 0; r < rows.size(); ++r)
        widgets[r].edit->setText(kit.*(rows[r].field));
}

// Copies the chosen catalogue entry into the slot and the selected record.
// Without a kit there is nothing to fill, so the entry is not even looked at.
template <class Kit>
void fillSlot(QList<Kit> &kits, int selected, QLineEdit *edit, QString Kit::*field,
              const std::function<bool(QString *)> &takeEntry)
{
    if (selected < 0 || selected >= kits.size())
        return;
    QString entry;
    if (!takeEntry(&entry))
        return;
    storeSlot(kits, selected, edit, field, entry);
}

template <class Kit>
void clearSlot(QList<Kit> &kits, int selected, QLineEdit *edit, QString Kit::*field)
{
    storeSlot(kits, selected, edit, field, QString());
}

// The kind's writer and loader, as the window holds them.
struct KitStore {
    std::function<void(bool leaveOutMarked)> save;
    std::function<void()> load;  // empties the list itself
};

// Writes the file from the array, rebuilds array and list from it and
// selects the last kit. A failed write leaves array, list and selection.
template <class Kit>
void storeAndReload(QList<Kit> &kits, QListWidget *list, const KitStore &store,
                    bool leaveOutMarked)
{
    store.save(leaveOutMarked);
    kits.clear();
    store.load();
    selectLastKit(list);
}

// Appends the kit and its caption, writes every kit (marked ones too), and
// reloads. The closing steps run whether or not the write worked; then a
// failure goes on to the error box, with the new kit still listed.
template <class Kit>
void addAndReload(QList<Kit> &kits, QListWidget *list, const KitStore &store, const Kit &kit,
                  const std::function<void()> &finish)
{
    kits.append(kit);
    list->addItem(kitCaption(kit.zok_Tier, list->count()));
    try {
        store.save(false);
        kits.clear();
        store.load();
    } catch (...) {
        finish();
        throw;
    }
    finish();
}

// Marks the selected kit and writes the file without it. With no kit
// selected there is nothing to drop, and the file is not touched.
template <class Kit>
void removeAndReload(QList<Kit> &kits, QListWidget *list, const KitStore &store)
{
    const int selected = selectedKit(list, kits);
    if (selected < 0)
        return;
    kits[selected].Remove = true;
    storeAndReload(kits, list, store, true);
}

template <class Kit>
void TForm2::wireSlotRows(const QList<SlotRow<Kit>> &rows, const QList<SlotWidgets> &widgets,
                          QList<Kit> &kits, QListWidget *list)
{
    for (qsizetype r = 0; r < rows.size(); ++r) {
        const SlotWidgets w = widgets[r];
        QString Kit::*field = rows[r].field;
        const auto fill = [this, w, field, &kits, list] {
            fillSlot(kits, selectedKit(list, kits), w.edit, field,
                     [this](QString *entry) { return takeCatalogueEntry(entry); });
        };
        wire(w.edit, &ClickableEdit::clicked, fill);
        wire(w.edit, &ClickableEdit::doubleClicked, fill);
        wire(w.clear, &ClickableLabel::clicked, [w, field, &kits, list] {
            clearSlot(kits, selectedKit(list, kits), w.edit, field);
        });
    }
}

} // namespace zok
