#pragma once

#include "practice/PracticeTypes.h"

namespace tarvo::practice {

// A breath in and out at an easy pace: ten breaths a minute.
inline constexpr int kSecondsPerBreath = 6;
// Time to come out of one pose and get into the next, or to change sides.
inline constexpr int kGetReadySeconds = 8;
// One repetition of a movement whose pose data gives no pace.
inline constexpr int kSecondsPerRepetition = 10;

enum class Side { None, Left, Right };

// A pose is held after a short time to get into it.
enum class StepPhase { GetReady, Hold };

// One timed part of a session: each pose, and each side of a one-sided pose, gets a get-ready
// interval and then its hold.
struct TimedStep {
    // Position of the pose in Session::steps.
    int pose = 0;
    QString asana;
    Side side = Side::None;
    StepPhase phase = StepPhase::Hold;
    int seconds = 0;
    // "6 breaths", "20 seconds", "5 times".
    QString hold;

    friend bool operator==(const TimedStep&, const TimedStep&) = default;
};

// "6 breaths", "1 second", "5 times".
QString holdText(int hold, HoldUnit unit);

QList<TimedStep> timedSteps(const Session& session);

// Plays a session against a time in milliseconds that the caller passes in (any monotonic
// count: a steady timer in the window, plain numbers in tests). Only time spent playing counts
// as practice; paused time does not.
class SessionPlayer final {
public:
    enum class State { Playing, Paused, Finished, Stopped };

    // A session without steps is over at once.
    SessionPlayer(Session session, QDateTime started, qint64 nowMs);

    // Moves the hold on to nowMs, on to the following steps as each runs out. True when the
    // step shown changed.
    bool advanceTo(qint64 nowMs);
    void pause(qint64 nowMs);
    void resume(qint64 nowMs);
    // Next on the last step ends the session.
    void next(qint64 nowMs);
    // Back to the start of the step before; on the first step, to its own start.
    void previous(qint64 nowMs);
    void stop(qint64 nowMs);
    // Goes on counting from nowMs of another time source, the time played so far kept.
    void rebase(qint64 nowMs) { m_lastMs = nowMs; }

    State state() const { return m_state; }
    bool isOver() const { return m_state == State::Finished || m_state == State::Stopped; }
    const Session& session() const { return m_session; }
    const QList<TimedStep>& steps() const { return m_steps; }
    // The step on screen; the last one once the session is over.
    int currentIndex() const { return m_index; }
    const TimedStep& current() const { return m_steps.at(m_index); }
    // The hold of the next pose or side after the one on screen, or nullptr: while getting
    // ready, the one after the hold to come.
    const TimedStep* followingHold() const;
    // Whole seconds left of the current step, rounded up.
    int remainingSeconds() const;
    // 0 to 1, of the current step and of the whole session.
    double stepProgress() const;
    double sessionProgress() const;

    // What the journal keeps of the practice so far: the poses held for at least half their
    // time, how long they were held, and "completed" only when every pose was.
    JournalEntry journalEntry() const;

private:
    qint64 stepMs() const { return qint64(current().seconds) * 1000; }
    void enter(int index);
    QList<bool> posesPractised() const;

    Session m_session;
    QList<TimedStep> m_steps;
    QDateTime m_started;
    State m_state = State::Playing;
    int m_index = 0;
    qint64 m_stepElapsedMs = 0;
    // Time played in each step, however often it was entered.
    QList<qint64> m_playedMs;
    qint64 m_lastMs = 0;
};

} // namespace tarvo::practice
