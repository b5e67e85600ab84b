#pragma once

#include <QString>

class SettingsStore;

// The main window's three skins: 0 the plain white window, 2 and 3 a background picture each.
namespace Skins {

// The picture resource ("JPG" type) for a stored skin number: "SKIN" and the number's last digit,
// so a stored "12" names "SKIN2". Empty for skin 0 or a value that is no number.
QString resourceFor(const QString& stored);

QString storedSkin(const SettingsStore& settings);
bool storeSkin(SettingsStore& settings, int skin);

} // namespace Skins
