#pragma once

class QListWidget;

namespace zok {

struct GeneralTabControls {
    QListWidget *GeneralKitList = nullptr;
};

} // namespace zok
