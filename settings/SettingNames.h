#pragma once

#include <QString>

// The names the program keeps its settings under: (application, section, key). Every key is "Left";
// the section says what the value means.
namespace SettingNames {

inline const QString Tavik = QStringLiteral("TAVIK");
inline const QString Kelmo = QStringLiteral("Kelmo");

inline const QString TimeInterval = QStringLiteral("Timeinterval"); // under TAVIK
inline const QString Skin = QStringLiteral("SKIN");                 // under TAVIK
inline const QString SpeechHint = QStringLiteral("SpeechHint");     // under TAVIK
inline const QString Startup = QStringLiteral("Startup");           // under a list's key
inline const QString Note = QStringLiteral("Note");                 // under Kelmo

inline const QString Left = QStringLiteral("Left");
inline const QString File = QStringLiteral("File"); // the note file's path: ("Kelmo", "Note", "File")

} // namespace SettingNames
