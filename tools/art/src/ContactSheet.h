#pragma once

#include "Catalogue.h"

#include <QStringList>

namespace art {

// A review page, never packaged: each named small picture at its own size and four times larger, on white and
// on patches of the two skins, so the family can be judged against every background it meets.
QImage contactSheet(const std::vector<Asset>& assets, const QStringList& names);

} // namespace art
