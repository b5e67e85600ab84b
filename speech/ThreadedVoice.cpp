#include "speech/ThreadedVoice.h"

#include "speech/SpeechQueue.h"
#include "speech/SpeechWorker.h"

#include <QDeadlineTimer>
#include <QThread>

namespace {

// speech-dispatcher closes in about 10 ms; one that lost its sound server never answers again.
constexpr int kCloseWaitMs = 2000;

} // namespace

ThreadedVoice::ThreadedVoice(Factory makeVoice)
    : m_queue(std::make_shared<SpeechQueue>())
    , m_thread(std::make_unique<QThread>())
    , m_worker(new SpeechWorker(m_queue))
{
    m_thread->setObjectName(QStringLiteral("speech"));
    m_worker->moveToThread(m_thread.get());
    QObject::connect(m_thread.get(), &QThread::finished, m_worker, &QObject::deleteLater);
    m_thread->start();
    SpeechWorker* worker = m_worker;
    QMetaObject::invokeMethod(
        worker,
        [worker, makeVoice = std::move(makeVoice)] {
            worker->setVoice(makeVoice());
            worker->drain();
        },
        Qt::QueuedConnection);
}

ThreadedVoice::~ThreadedVoice()
{
    // Words not yet spoken are dropped, also by an engine that opens only after this.
    m_queue->take();
    m_thread->quit();
    if (!m_thread->wait(QDeadlineTimer(kCloseWaitMs)))
        static_cast<void>(m_thread.release());
}

void ThreadedVoice::stop()
{
    wake(m_queue->stop());
}

void ThreadedVoice::setRate(int wordsPerMinute)
{
    wake(m_queue->setRate(wordsPerMinute));
}

void ThreadedVoice::speak(const QString& text)
{
    wake(m_queue->speak(text));
}

void ThreadedVoice::wake(bool needed)
{
    if (needed)
        QMetaObject::invokeMethod(m_worker, &SpeechWorker::drain, Qt::QueuedConnection);
}
