#include "speech/EngineVoice.h"

#include <QTextToSpeech>

EngineVoice::EngineVoice(std::unique_ptr<QTextToSpeech> engine)
    : m_engine(std::move(engine))
    , m_scale(rateScaleFor(m_engine->engine()))
{
}

EngineVoice::~EngineVoice() = default;

void EngineVoice::stop()
{
    m_engine->stop();
}

void EngineVoice::setRate(int wordsPerMinute)
{
    m_engine->setRate(engineRate(m_scale, wordsPerMinute));
}

void EngineVoice::speak(const QString& text)
{
    // Nothing to say: engines differ in what an empty text does to the speech before it.
    if (!text.isEmpty())
        m_engine->say(text);
}
