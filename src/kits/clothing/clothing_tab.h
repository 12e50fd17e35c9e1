#pragma once

class QListWidget;

namespace zok {

struct ClothingTabControls {
    QListWidget *ClothingKitList = nullptr;
};

} // namespace zok
