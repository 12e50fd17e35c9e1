#pragma once

#include "kits/kitfile.h"

namespace zok {

struct TClothingKit {
    QString zok_Tier;
    QString zok_Helm;
    QString zok_Shirt;
    QString zok_Vest;
    QString zok_Pants;
    QString zok_Shoes;
    QString zok_Backpack;
    QString zok_Gloves;
    QString zok_Belt;
    QString zok_Facewear;
    QString zok_Eyewear;
    QString zok_Armband;
    QString zok_NVG;
    bool Remove = false;
};

const KitFormat<TClothingKit> &clothingKitFormat();

} // namespace zok
