#pragma once

#include "Catalogue.h"

namespace art {

// SKIN2 (warm paper at sunrise) and SKIN3 (cool water), the 720 x 540 main-window backgrounds, and the 160 x 120
// thumbnails SKIN2L, SKIN3L and SKIN4L (the plain white window).
std::vector<Asset> skins();

} // namespace art
