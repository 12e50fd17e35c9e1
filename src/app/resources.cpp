#include "app/resources.h"

#include <QtGlobal>

static void initLibraryResources()
{
    Q_INIT_RESOURCE(icons);
    Q_INIT_RESOURCE(fonts);
    Q_INIT_RESOURCE(pictures);
}

namespace zok {

void initResources()
{
    static const bool done = (initLibraryResources(), true);
    Q_UNUSED(done);
}

} // namespace zok
