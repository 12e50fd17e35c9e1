#include "kits/general/general_kit.h"

namespace zok {

const KitFormat<TGeneralKit> &generalKitFormat()
{
    using K = TGeneralKit;
    // Tier and category end at a quote followed by a comma, so a hand-edited
    // line without its trailing comma reads as empty.
    static const KitFormat<K> format{
        QStringLiteral("m_ZOKConfig_Loot"),
        {
            {QStringLiteral("zok_Tier"), &K::zok_Tier, 0, QStringLiteral("\",")},
            {QStringLiteral("zok_Category"), &K::zok_Category, 1, QStringLiteral("\",")},
            {QStringLiteral("zok_Type"), &K::zok_Type, 2, QStringLiteral("\"")},
        },
    };
    return format;
}

} // namespace zok
