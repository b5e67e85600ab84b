#pragma once

#include "speech/RateScale.h"
#include "speech/Voice.h"

#include <functional>
#include <memory>

class QTextToSpeech;

// Speaks through one QTextToSpeech engine, which it owns. Lives on the speech thread.
class EngineVoice final : public Voice {
public:
    using AliveCheck = std::function<bool()>;

    // engineAlive tells whether the engine's server is still there; once it is not, the voice
    // falls silent and never touches the engine again, not even to delete it.
    explicit EngineVoice(
        std::unique_ptr<QTextToSpeech> engine, AliveCheck engineAlive = [] { return true; });
    ~EngineVoice() override;
    Q_DISABLE_COPY_MOVE(EngineVoice)

    void stop() override;
    void setRate(int wordsPerMinute) override;
    void speak(const QString& text) override;

private:
    QTextToSpeech* engine();

    std::unique_ptr<QTextToSpeech> m_engine;
    AliveCheck m_engineAlive;
    RateScale m_scale;
};
