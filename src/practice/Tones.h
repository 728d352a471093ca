#pragma once

#include <QByteArray>
#include <QString>

namespace tarvo::practice {

// The sounds that guide without words: a rising tone for a breath in, a falling one for a breath
// out, a soft blip for each of the last seconds of a hold, a tick for each forceful stroke.
enum class Tone { Rising, Falling, Count, Tick };

// The tone as a complete WAV file, soft and without a click at either end.
QByteArray toneWave(Tone tone);
// A name for the tone's sound, to keep it prepared: "tone-rising".
QString toneKey(Tone tone);

} // namespace tarvo::practice
