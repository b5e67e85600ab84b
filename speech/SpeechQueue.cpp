#include "speech/SpeechQueue.h"

#include <utility>

bool SpeechQueue::stop()
{
    const QMutexLocker lock(&m_mutex);
    m_pending.stop = true;
    m_pending.text.reset();
    return wakeNeeded();
}

bool SpeechQueue::setRate(int wordsPerMinute)
{
    const QMutexLocker lock(&m_mutex);
    m_pending.wordsPerMinute = wordsPerMinute;
    return wakeNeeded();
}

bool SpeechQueue::speak(const QString& text)
{
    const QMutexLocker lock(&m_mutex);
    m_pending.text = text;
    return wakeNeeded();
}

SpeechRequest SpeechQueue::take()
{
    const QMutexLocker lock(&m_mutex);
    m_wakePosted = false;
    return std::exchange(m_pending, SpeechRequest{});
}

bool SpeechQueue::wakeNeeded()
{
    return !std::exchange(m_wakePosted, true);
}
