#pragma once

#include "kits/slot_table.h"

#include <QList>

class QComboBox;
class QLabel;
class QListWidget;
class QPushButton;

namespace zok {

struct ClothingTabControls {
    QLabel *ClothingKitListHeading = nullptr;
    QListWidget *ClothingKitList = nullptr;
    QPushButton *AddClothingKit = nullptr;
    QPushButton *Button14 = nullptr;  // "Save"
    QPushButton *RemoveClothingKit = nullptr;
    QLabel *ClothingKitContentsHeading = nullptr;
    QComboBox *zok_Tier = nullptr;
    QLabel *zok_TierLabel = nullptr;
    QList<SlotWidgets> slotRows;  // zok_Helm … zok_NVG, in row order
};

} // namespace zok
