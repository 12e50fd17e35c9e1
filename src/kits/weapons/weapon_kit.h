#pragma once

#include "kits/kitfile.h"

namespace zok {

struct TWeaponKit {
    QString zok_Tier;
    QString zok_WeaponCategory;
    QString zok_TheChosenOne;
    QString zok_Magazine;
    QString zok_Ammunition;
    QString zok_OpticType;
    QString zok_Suppressor;
    QString zok_UnderBarrel;
    QString zok_ButtStock;
    QString zok_HandGuard;
    QString zok_Wrap;
    bool Remove = false;
};

const KitFormat<TWeaponKit> &weaponKitFormat();

} // namespace zok
