#include "speech/VoiceFactory.h"

#include "speech/EngineChoice.h"
#include "speech/PreferredEngines.h"
#include "speech/ThreadedVoice.h"

std::unique_ptr<Voice> createVoice()
{
    return std::make_unique<ThreadedVoice>([] { return openVoice(preferredEngines()); });
}
