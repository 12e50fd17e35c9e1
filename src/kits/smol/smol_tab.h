#pragma once

#include "kits/slot_table.h"
#include "kits/smol/smol_file.h"

#include <array>

class QCheckBox;
class QComboBox;
class QLabel;
class QListWidget;
class QPushButton;
class QSpinBox;
class QTabWidget;
class QWidget;

namespace zok {

// Add, Save and Remove need a file to write.
inline const QString SmolColourFirstMessage =
    QStringLiteral("Please Select A Smol Weapon Kit Color First");

// Add, Save and Remove after a colour's file could not be read to its end.
inline const QString SmolReadInPartMessage = QStringLiteral(
    "This crate colour's file could not be read to its end, so saving now would drop the "
    "rest of it. Mend the file, then pick its colour again.");

// One page of SpawnLootSetTab.
struct SmolLootSetControls {
    QWidget *page = nullptr;         // TabItem9 ... TabItem12
    QListWidget *items = nullptr;    // zok_SpawnLootSetNItems
    QCheckBox *spawn = nullptr;      // zok_SpawnLootSetN
    QCheckBox *randomize = nullptr;  // zok_RandomizeLootSetN
    QLabel *countLabel = nullptr;    // Label14, 15, 17, 18
    QSpinBox *count = nullptr;       // zok_LootSetNCount
    QPushButton *add = nullptr;      // Button4, 6, 8, 10
    QPushButton *remove = nullptr;   // Button5, 7, 9, 11
};

struct SmolTabControls {
    QCheckBox *zok_UseConfig = nullptr;
    QLabel *Label16 = nullptr;
    QListWidget *SmolWeaponKitList = nullptr;

    QLabel *Label1 = nullptr;
    QComboBox *SmolWeaponCrateColor = nullptr;
    QCheckBox *zok_SpawnMainWeapons = nullptr;
    QCheckBox *zok_RandomizeWeapons = nullptr;
    QSpinBox *zok_WeaponCount = nullptr;
    QPushButton *Button1 = nullptr;  // Add
    QPushButton *Button2 = nullptr;  // Save
    QPushButton *Button3 = nullptr;  // Remove
    QLabel *Label2 = nullptr;
    // The eleven slot rows, top to bottom (zok_TheSmolChosenOne ... zok_SmolWrap).
    std::array<SlotWidgets, 11> slotRows;

    QTabWidget *SpawnLootSetTab = nullptr;
    std::array<SmolLootSetControls, 4> lootSets;
};

} // namespace zok
