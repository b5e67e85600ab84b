#pragma once

#include <QProcessEnvironment>
#include <QString>

// Watches the speech-dispatcher server that QTextToSpeech's "speechd" engine talks to.
// Debian 12's libspeechd (0.11.4) takes the whole program down when that server has gone: the next
// command writes to the dead socket (SIGPIPE) or reads a missing reply (SIGSEGV). Asking first
// leaves only the moment between the question and the command.
class SpeechServerWatch {
public:
    // The server listening on the socket this environment points libspeechd at; finds none
    // (and then always answers alive) when it cannot tell, e.g. for a network address.
    explicit SpeechServerWatch(const QProcessEnvironment& environment = QProcessEnvironment::systemEnvironment());

    bool found() const { return m_pid > 0; }
    qint64 pid() const { return m_pid; }
    bool alive() const;

private:
    qint64 m_pid = 0;
};

// The unix socket libspeechd connects to in this environment; empty for a network address.
QString speechDispatcherSocket(const QProcessEnvironment& environment);
