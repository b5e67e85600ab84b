#include "speech/RateScale.h"

#include <algorithm>
#include <cmath>

namespace {

// Where a speed (a multiple of normal) lies on the engine's own scale.
double position(RateScale::Curve curve, double speed)
{
    switch (curve) {
    case RateScale::Curve::Speed:
        return speed;
    case RateScale::Curve::Duration:
        return -1.0 / speed;
    case RateScale::Curve::LogSpeed:
        return std::log(speed);
    }
    return speed;
}

} // namespace

RateScale rateScaleFor(const QString& engine)
{
    using Curve = RateScale::Curve;
    // speech-dispatcher passes rate x 100 to its module; Debian's espeak-ng module maps -100, 0, +100
    // to EspeakMinRate 80, EspeakNormalRate 170 and EspeakMaxRate 449 words per minute, straight
    // lines between. espeak-ng counts its speed in words per minute itself.
    if (engine == QStringLiteral("speechd"))
        return {170.0, 80.0 / 170.0, 449.0 / 170.0, Curve::Speed};
    // Qt's flite plugin stretches durations by 1 - 2 x rate below 0 and by 1 - rate x 100/175
    // above: 3 times as long at -1, 3/7 as long at +1. Its voices at stretch 1 took 0.92 of
    // espeak-ng's time at 170 for the same English prose, so their normal is about 185.
    if (engine == QStringLiteral("flite"))
        return {185.0, 1.0 / 3.0, 7.0 / 3.0, Curve::Duration};
    // NSSpeechSynthesizer counts words per minute; Qt sets it to 200 + 200 x rate.
    if (engine == QStringLiteral("macos"))
        return {200.0, 0.0, 2.0, Curve::Speed};
    // Windows.Media's SpeakingRate runs 0.5..1..6 times normal, straight lines either side; Qt maps
    // -1..0..1 onto it. A Windows voice's normal rate is taken as 180.
    if (engine == QStringLiteral("winrt"))
        return {180.0, 0.5, 6.0, Curve::Speed};
    // SAPI 5 rates -10..10 (Qt: rate x 10) speed up by a constant factor per step, 3 times at +10.
    if (engine == QStringLiteral("sapi"))
        return {180.0, 1.0 / 3.0, 3.0, Curve::LogSpeed};
    return {};
}

double engineRate(const RateScale& scale, int wordsPerMinute)
{
    if (wordsPerMinute <= 0)
        return -1.0;
    const double speed = wordsPerMinute / scale.normalWordsPerMinute;
    const double normal = position(scale.curve, 1.0);
    const double end = position(scale.curve, speed < 1.0 ? scale.slowest : scale.fastest);
    return std::clamp((position(scale.curve, speed) - normal) / std::abs(end - normal), -1.0, 1.0);
}
