#include "practice/Tones.h"

#include "practice/Wave.h"

#include <algorithm>
#include <cmath>
#include <numbers>

namespace tarvo::practice {

namespace {

struct ToneShape {
    double seconds;
    double fromHz;
    double toHz;
    double loudness;
};

ToneShape shapeOf(Tone tone)
{
    switch (tone) {
    case Tone::Rising:
        return {0.6, 392.0, 587.0, 0.22};
    case Tone::Falling:
        return {0.6, 587.0, 392.0, 0.22};
    case Tone::Count:
        return {0.15, 880.0, 880.0, 0.18};
    case Tone::Tick:
        break;
    }
    return {0.04, 1200.0, 1200.0, 0.12};
}

} // namespace

QByteArray toneWave(Tone tone)
{
    const ToneShape shape = shapeOf(tone);
    // The phase is the running sum of the frequency, so a sweep glides without jumps.
    return synthesizedWave(shape.seconds, [shape](double t) {
        const double share = t / shape.seconds;
        const double sweep = (shape.toHz - shape.fromHz) / shape.seconds;
        const double phase = 2 * std::numbers::pi * (shape.fromHz * t + 0.5 * sweep * t * t);
        // Swells in and fades out over a fifth of the tone each way.
        const double envelope = std::min({1.0, share / 0.2, (1.0 - share) / 0.2});
        return shape.loudness * std::max(0.0, envelope) * std::sin(phase);
    });
}

QString toneKey(Tone tone)
{
    switch (tone) {
    case Tone::Rising:
        return QStringLiteral("tone-rising");
    case Tone::Falling:
        return QStringLiteral("tone-falling");
    case Tone::Count:
        return QStringLiteral("tone-count");
    case Tone::Tick:
        break;
    }
    return QStringLiteral("tone-tick");
}

} // namespace tarvo::practice
