#include "speech/VoiceFactory.h"

#include "speech/SilentVoice.h"

std::unique_ptr<Voice> createVoice() {
    return std::make_unique<SilentVoice>();
}
