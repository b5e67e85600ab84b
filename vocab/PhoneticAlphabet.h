#pragma once

#include <QString>

// Word lists keep the phonetic field in the ASCII alphabet of the "Kingsoft Phonetic Plain" font
// ("E5bAndEn" for abandon). Where that font is missing, the display shows the same field converted
// to Unicode IPA; the stored text itself is never changed.
QString phoneticToIpa(const QString& ascii);
