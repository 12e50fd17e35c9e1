#pragma once

class QCheckBox;
class QLabel;
class QListWidget;

namespace zok {

struct SmolTabControls {
    QCheckBox *zok_UseConfig = nullptr;
    QLabel *Label16 = nullptr;
    QListWidget *SmolWeaponKitList = nullptr;
};

} // namespace zok
