#pragma once

#include <QString>

// How an engine turns QTextToSpeech's rate of -1..1 into speed. Rate 0 is the engine's normal
// speaking rate; -1 its slowest and +1 its fastest. Between them every engine moves in equal steps
// along a scale of its own: speed itself, duration (1 / speed) or log(speed).
struct RateScale {
    enum class Curve { Speed, Duration, LogSpeed };

    double normalWordsPerMinute = 180.0;
    double slowest = 0.5; // speed at rate -1, as a fraction of normal, below 1
    double fastest = 2.0; // speed at rate +1, as a multiple of normal, above 1
    Curve curve = Curve::Speed;
};

// The scale of the named QTextToSpeech engine; a plain half-to-double speed scale around
// 180 words per minute for an engine not known here.
RateScale rateScaleFor(const QString& engine);

// The QTextToSpeech rate, clamped to -1..1, at which the engine speaks about the given words per
// minute: rate = (p(speed) - p(1)) / |p(end) - p(1)|, where speed = wordsPerMinute / normal,
// p is the engine's curve and end its slowest or fastest speed on the side of normal that speed lies.
double engineRate(const RateScale& scale, int wordsPerMinute);
