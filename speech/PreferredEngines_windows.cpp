#include "speech/PreferredEngines.h"

// Windows.Media's voices first; SAPI where Qt was built without them (MinGW).
QStringList preferredEngines()
{
    return {QStringLiteral("winrt"), QStringLiteral("sapi")};
}
