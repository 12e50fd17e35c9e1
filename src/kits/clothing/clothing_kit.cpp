#include "kits/clothing/clothing_kit.h"

namespace zok {

const KitFormat<TClothingKit> &clothingKitFormat()
{
    using K = TClothingKit;
    const QString q = QStringLiteral("\"");
    static const KitFormat<K> format{
        QStringLiteral("m_ZOKConfig_Clothing"),
        {
            {QStringLiteral("zok_Tier"), &K::zok_Tier, 0, q},
            {QStringLiteral("zok_Helm"), &K::zok_Helm, 1, q},
            {QStringLiteral("zok_Shirt"), &K::zok_Shirt, 2, q},
            {QStringLiteral("zok_Vest"), &K::zok_Vest, 3, q},
            {QStringLiteral("zok_Pants"), &K::zok_Pants, 4, q},
            {QStringLiteral("zok_Shoes"), &K::zok_Shoes, 5, q},
            {QStringLiteral("zok_Backpack"), &K::zok_Backpack, 6, q},
            {QStringLiteral("zok_Gloves"), &K::zok_Gloves, 7, q},
            {QStringLiteral("zok_Belt"), &K::zok_Belt, 8, q},
            {QStringLiteral("zok_Facewear"), &K::zok_Facewear, 9, q},
            {QStringLiteral("zok_Eyewear"), &K::zok_Eyewear, 10, q},
            {QStringLiteral("zok_Armband"), &K::zok_Armband, 11, q},
            {QStringLiteral("zok_NVG"), &K::zok_NVG, 12, q},
        },
    };
    return format;
}

} // namespace zok
