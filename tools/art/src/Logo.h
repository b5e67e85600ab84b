#pragma once

#include "Catalogue.h"

namespace art {

// LOGO, the 328 x 193 splash background on deep blue with the TAVIK word mark.
std::vector<Asset> logo();

} // namespace art
