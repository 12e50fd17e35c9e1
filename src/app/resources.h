#pragma once

namespace zok {
// The library is static: its resources must be registered by hand before
// the first widget looks for an icon, a font or a picture.
void initResources();
}
