#pragma once

#include <QStringList>

// The QTextToSpeech engines to try on this platform, best first. A default-constructed
// QTextToSpeech picks whichever plugin it finds first, which varies from run to run.
QStringList preferredEngines();
