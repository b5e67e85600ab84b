#pragma once

#include "Catalogue.h"

namespace art {

// The twelve pieces of the skinned window frame: eight 19 x 30 title and border pieces and three 13 x 13 title
// buttons, as opaque pictures. Corners outside the window's rounded outline (24 x 24 corner ellipse) are
// magenta, which the window's region cuts away.
std::vector<Asset> frame();

} // namespace art
