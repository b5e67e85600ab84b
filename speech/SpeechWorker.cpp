#include "speech/SpeechWorker.h"

#include "speech/SpeechQueue.h"
#include "speech/Voice.h"

SpeechWorker::SpeechWorker(std::shared_ptr<SpeechQueue> queue)
    : m_queue(std::move(queue))
{
}

SpeechWorker::~SpeechWorker() = default;

void SpeechWorker::setVoice(std::unique_ptr<Voice> voice)
{
    m_voice = std::move(voice);
}

void SpeechWorker::drain()
{
    const SpeechRequest request = m_queue->take();
    if (!m_voice)
        return;
    if (request.stop)
        m_voice->stop();
    if (request.wordsPerMinute)
        m_voice->setRate(*request.wordsPerMinute);
    if (request.text)
        m_voice->speak(*request.text);
}
