#pragma once

#include "kits/slot_table.h"

#include <QList>

class QComboBox;
class QLabel;
class QListWidget;
class QPushButton;

namespace zok {

struct GeneralTabControls {
    QLabel *Label531 = nullptr;  // "General Kit List"
    QListWidget *GeneralKitList = nullptr;
    QPushButton *Button12 = nullptr;  // "Add"
    QPushButton *Button13 = nullptr;  // "Save"
    QPushButton *Button18 = nullptr;  // "Remove"
    QLabel *Label527 = nullptr;  // "Selected Kit Contents"
    QComboBox *zok_TierGeneral = nullptr;
    QLabel *Label557 = nullptr;
    QComboBox *zok_Category = nullptr;
    QLabel *Label556 = nullptr;
    ClickableEdit *zok_Type = nullptr;
    QLabel *Label530 = nullptr;
    ClickableLabel *Image24 = nullptr;  // clears zok_Type
    QList<SlotWidgets> slotRows;  // the one row: zok_Type, Label530, Image24
};

} // namespace zok
