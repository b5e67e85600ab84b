#pragma once

#include <QByteArray>
#include <QProcess>
#include <QString>
#include <QTemporaryDir>

// A PulseAudio server of the test's own, with one null sink and no sound card, in a runtime folder
// of its own that this process (and the speech-dispatcher it spawns) is pointed at. Nothing it
// plays reaches the user's sound server or speakers. Records the sink's monitor as mono 16-bit.
class PrivateSoundServer {
public:
    static constexpr int kSampleRate = 16000;

    PrivateSoundServer();
    // Ends the recorder, the server and the speech-dispatcher spawned in the private folder.
    ~PrivateSoundServer();
    Q_DISABLE_COPY_MOVE(PrivateSoundServer)

    // Starts the server and the recorder; on failure says why in error().
    bool start();
    bool running() const { return m_running; }
    QString error() const { return m_error; }
    // Everything recorded so far.
    const QByteArray& recording();

private:
    QTemporaryDir m_runtime;
    QProcess m_server;
    QProcess m_recorder;
    QByteArray m_recording;
    QString m_error;
    bool m_running = false;
};
