#pragma once

#include "Catalogue.h"

namespace art {

// The program's own mark, APP16 to APP256: an open book showing "A" and 中 on a blue tile.
std::vector<Asset> appIcons();

} // namespace art
