#pragma once

#include "kits/slot_table.h"

#include <QList>

class QComboBox;
class QLabel;
class QListWidget;
class QPushButton;

namespace zok {

struct WeaponTabControls {
    QLabel *Label528 = nullptr;  // "Weapon Kit List"
    QListWidget *WeaponKitList = nullptr;
    QPushButton *Button15 = nullptr;  // "Add"
    QPushButton *Button16 = nullptr;  // "Save"
    QPushButton *Button17 = nullptr;  // "Remove"
    QLabel *Label529 = nullptr;  // "Selected Kit Contents"
    QComboBox *zok_TierWeapon = nullptr;
    QLabel *Label547 = nullptr;
    QComboBox *zok_WeaponCategory = nullptr;
    QLabel *Label546 = nullptr;
    QList<SlotWidgets> slotRows;  // zok_TheChosenOne … zok_Wrap, in row order
};

} // namespace zok
