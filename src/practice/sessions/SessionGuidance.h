#pragma once

#include "practice/GuidanceOutput.h"
#include "practice/sessions/SessionPlayer.h"

namespace tarvo::practice {

// What a voice says as a session plays, so a user on the mat need not look: in the time to get
// ready, the pose to come (its Sanskrit name, its English name, the side) and how to get into
// it; as the hold starts, how long; half-way through a long hold, to keep breathing evenly; a
// soft tone for each of its last three seconds; as it ends, to release and how to come out.
// Pausing, skipping and stopping cut off what is being said; after a stop, nothing more.
class SessionGuidance final {
public:
    explicit SessionGuidance(GuidanceOutput& output);

    // Follows the player after anything it did: time passing, a pause, a skip or a stop.
    void follow(const SessionPlayer& player);

private:
    void enter(const SessionPlayer& player, int previous);

    GuidanceOutput& m_output;
    int m_index = -1;
    bool m_paused = false;
    bool m_over = false;
    bool m_halfwaySaid = false;
    // The next of the last three seconds to sound.
    int m_nextCount = 3;
};

// "Next: Trikonasana, Triangle Pose, right side. Feet a leg's length apart, …"
QString announcement(const TimedStep& step);
// "Hold for five breaths.", "Five times."
QString holdSentence(const SessionStep& step);

} // namespace tarvo::practice
