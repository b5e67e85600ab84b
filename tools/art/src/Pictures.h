#pragma once

#include "Catalogue.h"

namespace art {

// The other main-window button pictures at their own sizes: NOTEADD, NOTEDEL, CASE, TRAY, STRIP, BIGLIST, and
// NOTEADD16 for the help window.
std::vector<Asset> pictures();

} // namespace art
