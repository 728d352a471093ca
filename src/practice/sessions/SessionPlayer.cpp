#include "practice/sessions/SessionPlayer.h"

#include "asanas/PoseFacts.h"

#include <QStringList>
#include <algorithm>

namespace tarvo::practice {

namespace {

int secondsOf(const SessionStep& step, int hold)
{
    switch (step.unit) {
    case HoldUnit::Breaths:
        return hold * kSecondsPerBreath;
    case HoldUnit::Seconds:
        break;
    case HoldUnit::Times: {
        const PoseFacts* facts = poseFacts(step.asana);
        const int each =
            facts && facts->hold.secondsEach > 0 ? facts->hold.secondsEach : kSecondsPerRepetition;
        return hold * each;
    }
    }
    return hold;
}

// Every procedure of the library that works one side at a time starts on the right.
QList<Side> sidesOf(const SessionStep& step)
{
    if (!step.bothSides)
        return {Side::None};
    const PoseFacts* facts = poseFacts(step.asana);
    if (facts && facts->firstSide == BodySide::Left)
        return {Side::Left, Side::Right};
    return {Side::Right, Side::Left};
}

} // namespace

QString holdText(int hold, HoldUnit unit)
{
    switch (unit) {
    case HoldUnit::Breaths:
        return hold == 1 ? QStringLiteral("1 breath") : QStringLiteral("%1 breaths").arg(hold);
    case HoldUnit::Seconds:
        break;
    case HoldUnit::Times:
        return hold == 1 ? QStringLiteral("once") : QStringLiteral("%1 times").arg(hold);
    }
    return hold == 1 ? QStringLiteral("1 second") : QStringLiteral("%1 seconds").arg(hold);
}

QList<TimedStep> timedSteps(const Session& session)
{
    QList<TimedStep> steps;
    for (qsizetype i = 0; i < session.steps.size(); ++i) {
        const SessionStep& step = session.steps.at(i);
        // A hold of nothing would flash past unseen.
        const int hold = std::max(1, step.hold);
        const QString text = holdText(hold, step.unit);
        for (Side side : sidesOf(step)) {
            steps.append({int(i), step.asana, side, StepPhase::GetReady, kGetReadySeconds, text});
            steps.append({int(i), step.asana, side, StepPhase::Hold, secondsOf(step, hold), text});
        }
    }
    return steps;
}

SessionPlayer::SessionPlayer(Session session, QDateTime started, qint64 nowMs)
    : m_session(std::move(session))
    , m_steps(timedSteps(m_session))
    , m_started(std::move(started))
    , m_playedMs(m_steps.size(), 0)
    , m_lastMs(nowMs)
{
    if (m_steps.isEmpty())
        m_state = State::Finished;
    else
        enter(0);
}

void SessionPlayer::enter(int index)
{
    m_index = index;
    m_stepElapsedMs = 0;
}

bool SessionPlayer::advanceTo(qint64 nowMs)
{
    // A clock that goes back must not give time back.
    qint64 delta = std::max<qint64>(0, nowMs - m_lastMs);
    m_lastMs = std::max(m_lastMs, nowMs);
    if (m_state != State::Playing)
        return false;
    const int before = m_index;
    while (delta > 0) {
        const qint64 room = stepMs() - m_stepElapsedMs;
        const qint64 used = std::min(delta, room);
        m_stepElapsedMs += used;
        m_playedMs[m_index] = std::min(m_playedMs.at(m_index) + used, stepMs());
        delta -= used;
        if (m_stepElapsedMs < stepMs())
            break;
        if (m_index + 1 == m_steps.size()) {
            m_state = State::Finished;
            break;
        }
        enter(m_index + 1);
    }
    return m_index != before;
}

void SessionPlayer::pause(qint64 nowMs)
{
    advanceTo(nowMs);
    if (m_state == State::Playing)
        m_state = State::Paused;
}

void SessionPlayer::resume(qint64 nowMs)
{
    m_lastMs = std::max(m_lastMs, nowMs);
    if (m_state == State::Paused)
        m_state = State::Playing;
}

void SessionPlayer::next(qint64 nowMs)
{
    advanceTo(nowMs);
    if (isOver())
        return;
    if (m_index + 1 == m_steps.size())
        m_state = State::Finished;
    else
        enter(m_index + 1);
}

void SessionPlayer::previous(qint64 nowMs)
{
    advanceTo(nowMs);
    if (!isOver())
        enter(std::max(0, m_index - 1));
}

void SessionPlayer::stop(qint64 nowMs)
{
    advanceTo(nowMs);
    if (!isOver())
        m_state = State::Stopped;
}

const TimedStep* SessionPlayer::followingHold() const
{
    if (m_steps.isEmpty())
        return nullptr;
    const int from = m_index + (current().phase == StepPhase::GetReady ? 2 : 1);
    for (int i = from; i < m_steps.size(); ++i) {
        if (m_steps.at(i).phase == StepPhase::Hold)
            return &m_steps.at(i);
    }
    return nullptr;
}

int SessionPlayer::remainingSeconds() const
{
    if (m_steps.isEmpty() || m_state == State::Finished)
        return 0;
    return int((stepMs() - m_stepElapsedMs + 999) / 1000);
}

double SessionPlayer::stepProgress() const
{
    if (m_steps.isEmpty() || m_state == State::Finished)
        return 1.0;
    return double(m_stepElapsedMs) / double(stepMs());
}

double SessionPlayer::sessionProgress() const
{
    if (m_steps.isEmpty() || m_state == State::Finished)
        return 1.0;
    qint64 total = 0;
    qint64 done = m_stepElapsedMs;
    for (int i = 0; i < m_steps.size(); ++i) {
        total += qint64(m_steps.at(i).seconds) * 1000;
        if (i < m_index)
            done += qint64(m_steps.at(i).seconds) * 1000;
    }
    return double(done) / double(total);
}

QList<bool> SessionPlayer::posesPractised() const
{
    QList<qint64> held(m_session.steps.size(), 0);
    QList<qint64> wanted(m_session.steps.size(), 0);
    for (int i = 0; i < m_steps.size(); ++i) {
        const TimedStep& step = m_steps.at(i);
        if (step.phase != StepPhase::Hold)
            continue;
        held[step.pose] += m_playedMs.at(i);
        wanted[step.pose] += qint64(step.seconds) * 1000;
    }
    QList<bool> practised;
    for (qsizetype pose = 0; pose < held.size(); ++pose)
        practised.append(wanted.at(pose) > 0 && 2 * held.at(pose) >= wanted.at(pose));
    return practised;
}

JournalEntry SessionPlayer::journalEntry() const
{
    const QList<bool> practised = posesPractised();
    QStringList names;
    qint64 heldMs = 0;
    for (int i = 0; i < m_steps.size(); ++i) {
        const TimedStep& step = m_steps.at(i);
        if (step.phase == StepPhase::Hold && practised.at(step.pose))
            heldMs += m_playedMs.at(i);
    }
    for (qsizetype pose = 0; pose < practised.size(); ++pose) {
        if (practised.at(pose))
            names.append(m_session.steps.at(pose).asana);
    }
    JournalEntry entry;
    entry.started = m_started;
    entry.kind = PracticeKind::Session;
    entry.title = m_session.name;
    entry.summary = QStringLiteral("%1 of %2 poses").arg(names.size()).arg(m_session.steps.size());
    if (!names.isEmpty())
        entry.summary += QStringLiteral(": ") + names.join(QStringLiteral(", "));
    entry.seconds = int((heldMs + 500) / 1000);
    entry.completed = m_state == State::Finished && !practised.contains(false);
    return entry;
}

} // namespace tarvo::practice
