#pragma once

#include <QByteArray>
#include <functional>

namespace tarvo::practice {

inline constexpr int kWaveSampleRate = 44100;

// A complete WAV file (16-bit mono PCM) of seconds of sound, sample(t) giving the level from -1
// to 1 at t seconds.
QByteArray synthesizedWave(double seconds, const std::function<double(double)>& sample);

} // namespace tarvo::practice
