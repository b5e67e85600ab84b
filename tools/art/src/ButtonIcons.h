#pragma once

#include "Catalogue.h"

namespace art {

// SEARCH1, SETTING1, CHANGE1, SHOW1, START1, STOP1, EXIT1, HELP1, SND1, INT1 and MIN1, 32 x 32.
std::vector<Asset> buttonIcons();

} // namespace art
