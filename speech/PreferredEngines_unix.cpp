#include "speech/PreferredEngines.h"

// speech-dispatcher speaks single words reliably; Qt 6.4's flite plugin fails on many of them
// ("Audio streaming error") and is only the fallback.
QStringList preferredEngines()
{
    return {QStringLiteral("speechd"), QStringLiteral("flite")};
}
