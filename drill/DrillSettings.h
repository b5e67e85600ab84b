#pragma once

#include <QString>

class SettingsStore;

inline constexpr int MinInterval = 2;
inline constexpr int MaxInterval = 30;
inline constexpr int DefaultInterval = 5;

// The saved position of a list: 1-based entry number under (list key, "Startup", "Left"). A list
// never studied reads 0, which is stored as "1" at once.
int LoadPosition(SettingsStore& settings, const QString& libraryKey);
bool SavePosition(SettingsStore& settings, const QString& libraryKey, int position);

// The drill interval in seconds; a stored value outside 2..30 is taken at the nearest bound, and
// text that is no number at all as the default.
int LoadInterval(const SettingsStore& settings);
bool SaveInterval(SettingsStore& settings, int seconds);

// Plain decimal text of a stored number, or the default when the text is not one.
int toNumber(const QString& text, int defaultValue);
