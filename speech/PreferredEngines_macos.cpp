#include "speech/PreferredEngines.h"

// AppKit's synthesizer counts words per minute; AVFoundation's stays for Qt versions without it.
QStringList preferredEngines()
{
    return {QStringLiteral("macos"), QStringLiteral("darwin")};
}
