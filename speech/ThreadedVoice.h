#pragma once

#include "speech/Voice.h"

#include <functional>
#include <memory>

class QThread;
class SpeechQueue;
class SpeechWorker;

// Runs another voice on a thread of its own, so that stop, setRate and speak return at once
// whatever the engine does: connecting to a speech server, waiting on a stuck one, or failing.
// The inner voice is made on that thread, right away, and deleted there at the end.
class ThreadedVoice final : public Voice {
public:
    using Factory = std::function<std::unique_ptr<Voice>()>;

    explicit ThreadedVoice(Factory makeVoice);
    // Waits a little for the engine to close; an engine that hangs is left behind with its thread
    // rather than hanging the program's exit.
    ~ThreadedVoice() override;
    Q_DISABLE_COPY_MOVE(ThreadedVoice)

    void stop() override;
    void setRate(int wordsPerMinute) override;
    void speak(const QString& text) override;

private:
    void wake(bool needed);

    std::shared_ptr<SpeechQueue> m_queue;
    std::unique_ptr<QThread> m_thread;
    SpeechWorker* m_worker;
};
