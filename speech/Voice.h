#pragma once

#include <QString>

// The one speech object of the program. Implementations never report failures: without a working
// engine they stay silent and return at once, so the drill keeps its pace.
class Voice {
public:
    virtual ~Voice() = default;
    virtual void stop() = 0;
    // Speaking rate in words per minute.
    virtual void setRate(int wordsPerMinute) = 0;
    virtual void speak(const QString& text) = 0;
};
