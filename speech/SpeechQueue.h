#pragma once

#include <QMutex>
#include <QString>

#include <optional>

// What the speech thread is still to do, in the order stop, rate, speak.
struct SpeechRequest {
    bool stop = false;
    std::optional<int> wordsPerMinute;
    std::optional<QString> text;
};

// The calls the drill made since the speech thread last looked, folded into one request so that a
// slow or hanging engine never makes a backlog of stale words. Each call answers true when the
// speech thread has to be woken for it (nothing was pending before).
class SpeechQueue {
public:
    // Drops a word not yet spoken: it would be stopped at once.
    bool stop();
    bool setRate(int wordsPerMinute);
    // Replaces a word not yet spoken: saying a word cuts the one before it off anyway.
    bool speak(const QString& text);

    // Hands over the pending request and empties the queue.
    SpeechRequest take();

private:
    bool wakeNeeded();

    QMutex m_mutex;
    SpeechRequest m_pending;
    bool m_wakePosted = false;
};
