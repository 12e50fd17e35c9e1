#pragma once

#include "kits/kitfile.h"

namespace zok {

struct TGeneralKit {
    QString zok_Tier;
    QString zok_Category;
    QString zok_Type;
    bool Remove = false;
};

const KitFormat<TGeneralKit> &generalKitFormat();

} // namespace zok
