#pragma once

#include "practice/PracticeTypes.h"
#include "practice/breathing/BreathingPattern.h"

#include <QDateTime>

namespace tarvo::practice {

// Where a practice stands at one moment.
struct BreathingState {
    BreathPhase phase;
    // Its place in the round.
    int phaseIndex = 0;
    // The figure shown: the seconds of the phase counted up from 1, as a teacher counts
    // "in, two, three, four"; in quick bellows breathing the stroke.
    int count = 0;
    // How far the phase has gone, 0 to 1.
    double progress = 0.0;
    // How full the lungs are, 0 to 1: the circle's size.
    double fullness = 0.0;
    // 1-based.
    int round = 0;
    int rounds = 0;
    qint64 elapsedMilliseconds = 0;
    bool paused = false;
    bool done = false;
};

// One practice of a pattern, driven by the time passed in (milliseconds of any steady clock),
// so it never waits and a test can step it to any moment.
class BreathingEngine final {
public:
    BreathingEngine(BreathingPattern pattern, int rounds);

    const BreathingPattern& pattern() const { return m_pattern; }
    int rounds() const { return m_rounds; }
    qint64 totalMilliseconds() const;

    // startedAt is the wall-clock time the journal shows.
    void start(qint64 now, const QDateTime& startedAt);
    bool running() const { return m_running; }
    // Time paused does not count as practice.
    void pause(qint64 now);
    void resume(qint64 now);
    bool paused() const { return m_pausedAt >= 0; }
    // Ends the practice where it stands; later times change nothing.
    void stop(qint64 now);
    bool stopped() const { return m_stoppedAt >= 0; }

    BreathingState state(qint64 now) const;
    bool done(qint64 now) const;

    // The practice as the journal keeps it, up to now.
    JournalEntry entry(qint64 now) const;

private:
    qint64 elapsed(qint64 now) const;

    BreathingPattern m_pattern;
    int m_rounds;
    bool m_running = false;
    QDateTime m_startedAt;
    qint64 m_startedAtTick = 0;
    qint64 m_pausedAt = -1;
    qint64 m_pausedFor = 0;
    qint64 m_stoppedAt = -1;
};

} // namespace tarvo::practice
