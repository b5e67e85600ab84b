#pragma once

#include "speech/RateScale.h"
#include "speech/Voice.h"

#include <memory>

class QTextToSpeech;

// Speaks through one QTextToSpeech engine, which it owns. Lives on the speech thread.
class EngineVoice final : public Voice {
public:
    explicit EngineVoice(std::unique_ptr<QTextToSpeech> engine);
    ~EngineVoice() override;
    Q_DISABLE_COPY_MOVE(EngineVoice)

    void stop() override;
    void setRate(int wordsPerMinute) override;
    void speak(const QString& text) override;

private:
    std::unique_ptr<QTextToSpeech> m_engine;
    RateScale m_scale;
};
