#pragma once

#include "speech/Voice.h"

// The voice of a machine without a speech engine: every call returns at once, silently.
class SilentVoice final : public Voice {
public:
    void stop() override {}
    void setRate(int) override {}
    void speak(const QString&) override {}
};
