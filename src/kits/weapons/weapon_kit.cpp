#include "kits/weapons/weapon_kit.h"

namespace zok {

const KitFormat<TWeaponKit> &weaponKitFormat()
{
    using K = TWeaponKit;
    const QString q = QStringLiteral("\"");
    static const KitFormat<K> format{
        QStringLiteral("m_ZOKConfig_Weapons"),
        {
            {QStringLiteral("zok_Tier"), &K::zok_Tier, 0, q},
            {QStringLiteral("zok_WeaponCategory"), &K::zok_WeaponCategory, 1, q},
            {QStringLiteral("zok_TheChosenOne"), &K::zok_TheChosenOne, 2, q},
            {QStringLiteral("zok_Magazine"), &K::zok_Magazine, 3, q},
            {QStringLiteral("zok_Ammunition"), &K::zok_Ammunition, 4, q},
            {QStringLiteral("zok_OpticType"), &K::zok_OpticType, 5, q},
            {QStringLiteral("zok_Suppressor"), &K::zok_Suppressor, 6, q},
            {QStringLiteral("zok_UnderBarrel"), &K::zok_UnderBarrel, 7, q},
            {QStringLiteral("zok_ButtStock"), &K::zok_ButtStock, 8, q},
            {QStringLiteral("zok_HandGuard"), &K::zok_HandGuard, 9, q},
            {QStringLiteral("zok_Wrap"), &K::zok_Wrap, 10, q},
        },
    };
    return format;
}

} // namespace zok
