#pragma once

#include <QObject>

#include <memory>

class SpeechQueue;
class Voice;

// The speech thread's end of a ThreadedVoice: owns the engine's voice and carries out the
// queued request whenever it is woken.
class SpeechWorker final : public QObject {
public:
    explicit SpeechWorker(std::shared_ptr<SpeechQueue> queue);
    ~SpeechWorker() override;
    Q_DISABLE_COPY_MOVE(SpeechWorker)

    void setVoice(std::unique_ptr<Voice> voice);
    void drain();

private:
    std::shared_ptr<SpeechQueue> m_queue;
    std::unique_ptr<Voice> m_voice;
};
