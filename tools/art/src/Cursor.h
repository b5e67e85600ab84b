#pragma once

#include "Catalogue.h"

#include <QPoint>

namespace art {

// Where the hand cursor points: the tip of its index finger.
inline constexpr QPoint kHandHotSpot(11, 1);

// MOUSEICON1, the 32 x 32 hand cursor of the clickable controls.
std::vector<Asset> cursors();

} // namespace art
