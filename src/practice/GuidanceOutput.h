#pragma once

#include "practice/Tones.h"

#include <QString>

namespace tarvo::practice {

// Where spoken guidance and tones go: the voice in the audio plugin, or a recording in a test.
class GuidanceOutput {
public:
    virtual ~GuidanceOutput() = default;
    // Said after whatever is being said now.
    virtual void say(const QString& text) = 0;
    virtual void play(Tone tone) = 0;
    // Cuts off what is being said, and what waits to be said.
    virtual void hush() = 0;
};

// "five", "twenty-one", "one hundred and twenty": how a voice says a whole number.
QString numberWords(int number);

} // namespace tarvo::practice
