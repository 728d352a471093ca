#include "practice/SessionPlayer.h"

#include <QStringList>
#include <algorithm>

namespace tarvo::practice {

namespace {

QString holdText(int hold, HoldUnit unit)
{
    if (unit == HoldUnit::Breaths)
        return hold == 1 ? QStringLiteral("1 breath") : QStringLiteral("%1 breaths").arg(hold);
    return hold == 1 ? QStringLiteral("1 second") : QStringLiteral("%1 seconds").arg(hold);
}

} // namespace

QList<TimedStep> timedSteps(const Session& session)
{
    QList<TimedStep> steps;
    for (qsizetype i = 0; i < session.steps.size(); ++i) {
        const SessionStep& step = session.steps.at(i);
        // A hold of nothing would flash past unseen.
        const int hold = std::max(1, step.hold);
        const int seconds = step.unit == HoldUnit::Breaths ? hold * kSecondsPerBreath : hold;
        const int pose = int(i);
        if (step.bothSides) {
            steps.append({pose, step.asana, Side::Left, seconds, holdText(hold, step.unit)});
            steps.append({pose, step.asana, Side::Right, seconds, holdText(hold, step.unit)});
        } else {
            steps.append({pose, step.asana, Side::None, seconds, holdText(hold, step.unit)});
        }
    }
    return steps;
}

SessionPlayer::SessionPlayer(Session session, QDateTime started, qint64 nowMs)
    : m_session(std::move(session))
    , m_steps(timedSteps(m_session))
    , m_started(std::move(started))
    , m_reached(m_session.steps.size(), false)
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
    m_reached[current().pose] = true;
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
        m_practisedMs += used;
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

const TimedStep* SessionPlayer::upcoming() const
{
    return m_index + 1 < m_steps.size() ? &m_steps.at(m_index + 1) : nullptr;
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

JournalEntry SessionPlayer::journalEntry() const
{
    QStringList reached;
    for (qsizetype i = 0; i < m_session.steps.size(); ++i) {
        if (m_reached.at(i))
            reached.append(m_session.steps.at(i).asana);
    }
    JournalEntry entry;
    entry.started = m_started;
    entry.kind = PracticeKind::Session;
    entry.title = m_session.name;
    entry.summary = QStringLiteral("%1 of %2 poses: %3")
                        .arg(reached.size())
                        .arg(m_session.steps.size())
                        .arg(reached.join(QStringLiteral(", ")));
    entry.seconds = int((m_practisedMs + 500) / 1000);
    entry.completed = m_state == State::Finished;
    return entry;
}

} // namespace tarvo::practice
