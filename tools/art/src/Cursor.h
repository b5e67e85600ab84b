#pragma once

#include "Catalogue.h"

namespace art {

// MOUSEICON1, the 32 x 32 hand cursor of the clickable controls. Its hot spot is (11, 1), the tip of the index
// finger; the program sets it when it makes the cursor (tools/art/README.md says so too).
std::vector<Asset> cursors();

} // namespace art
