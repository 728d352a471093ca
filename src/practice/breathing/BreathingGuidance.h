#pragma once

#include "practice/GuidanceOutput.h"
#include "practice/breathing/BreathingEngine.h"

namespace tarvo::practice {

// What the breathing guide says or sounds, so the eyes can stay closed: each phase's word ("In",
// "Hold", "Out", with the nostril in alternate nostril breathing) and, in a slow phase, its count
// ("two", "three", …); or, with tones, a rising tone for a breath in and a falling one for a
// breath out, and silence for a hold. Forceful breathing gets a soft tick a stroke, never words.
class BreathingGuidance final {
public:
    enum class Mode { Voice, Tones };

    BreathingGuidance(GuidanceOutput& output, Mode mode);

    // Follows the practice as it stands now; a pause or the end cuts off what is being said.
    void follow(const BreathingState& state);

private:
    void enterPhase(const BreathingState& state);

    GuidanceOutput& m_output;
    Mode m_mode;
    int m_round = 0;
    int m_phase = -1;
    int m_count = 0;
    bool m_quiet = false;
};

// "In", "Hold", "Out", "Breathe normally": the word a voice says at the start of a phase.
QString spokenPhase(const BreathPhase& phase);

} // namespace tarvo::practice
