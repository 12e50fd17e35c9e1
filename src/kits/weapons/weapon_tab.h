#pragma once

class QListWidget;

namespace zok {

struct WeaponTabControls {
    QListWidget *WeaponKitList = nullptr;
};

} // namespace zok
