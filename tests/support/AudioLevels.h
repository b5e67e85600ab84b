#pragma once

#include <QByteArray>
#include <QtEndian>

#include <algorithm>
#include <cmath>
#include <cstdlib>

// Where a recording of mono 16-bit little-endian samples holds sound: 10 ms frames count as voiced
// when their RMS lies above the threshold; the span runs from the first voiced frame to the last.
struct VoicedSpan {
    bool found = false;
    double seconds = 0.0;         // first to last voiced frame
    double trailingSilence = 0.0; // after the last voiced frame
    double rms = 0.0;             // over the span
    int peak = 0;                 // over the span
};

inline VoicedSpan voicedSpan(const QByteArray& s16le, int sampleRate, double frameThreshold = 200.0)
{
    const qsizetype samples = s16le.size() / 2;
    const qsizetype frame = sampleRate / 100;
    auto sample = [&](qsizetype i) { return qFromLittleEndian<qint16>(s16le.constData() + 2 * i); };
    qsizetype first = -1;
    qsizetype end = -1;
    for (qsizetype start = 0; start + frame <= samples; start += frame) {
        double sum = 0.0;
        for (qsizetype i = start; i < start + frame; ++i)
            sum += double(sample(i)) * sample(i);
        if (std::sqrt(sum / frame) > frameThreshold) {
            if (first < 0)
                first = start;
            end = start + frame;
        }
    }
    VoicedSpan span;
    span.trailingSilence = double(samples - std::max<qsizetype>(end, 0)) / sampleRate;
    if (first < 0)
        return span;
    double sum = 0.0;
    for (qsizetype i = first; i < end; ++i) {
        sum += double(sample(i)) * sample(i);
        span.peak = std::max(span.peak, std::abs(int(sample(i))));
    }
    span.found = true;
    span.seconds = double(end - first) / sampleRate;
    span.rms = std::sqrt(sum / double(end - first));
    return span;
}
