#include "speech/EngineVoice.h"

#include <QTextToSpeech>

EngineVoice::EngineVoice(std::unique_ptr<QTextToSpeech> engine, AliveCheck engineAlive)
    : m_engine(std::move(engine))
    , m_engineAlive(std::move(engineAlive))
    , m_scale(rateScaleFor(m_engine->engine()))
{
}

EngineVoice::~EngineVoice()
{
    engine();
}

void EngineVoice::stop()
{
    if (QTextToSpeech* tts = engine())
        tts->stop();
}

void EngineVoice::setRate(int wordsPerMinute)
{
    if (QTextToSpeech* tts = engine())
        tts->setRate(engineRate(m_scale, wordsPerMinute));
}

void EngineVoice::speak(const QString& text)
{
    // Nothing to say: engines differ in what an empty text does to the speech before it.
    if (text.isEmpty())
        return;
    if (QTextToSpeech* tts = engine())
        tts->say(text);
}

// The engine while its server lives. An engine whose server has gone is let go of undeleted:
// closing it would write to the dead connection.
QTextToSpeech* EngineVoice::engine()
{
    if (m_engine && !m_engineAlive())
        static_cast<void>(m_engine.release());
    return m_engine.get();
}
