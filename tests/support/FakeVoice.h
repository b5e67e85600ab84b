#pragma once

#include "speech/Voice.h"

#include <QStringList>

// Records what the program asks of the speech object, in order: "stop", "rate 120", "speak word".
class FakeVoice final : public Voice {
public:
    void stop() override { calls.append(QStringLiteral("stop")); }
    void setRate(int wordsPerMinute) override { calls.append(QStringLiteral("rate %1").arg(wordsPerMinute)); }
    void speak(const QString& text) override
    {
        calls.append(QStringLiteral("speak ") + text);
        spoken.append(text);
    }

    QStringList calls;
    QStringList spoken;
};
