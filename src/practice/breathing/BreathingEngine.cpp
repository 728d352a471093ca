#include "practice/breathing/BreathingEngine.h"

#include <algorithm>

namespace tarvo::practice {

namespace {

double fullnessIn(BreathKind kind, double progress)
{
    switch (kind) {
    case BreathKind::Inhale:
        return progress;
    case BreathKind::Hold:
        return 1.0;
    case BreathKind::Exhale:
        return 1.0 - progress;
    case BreathKind::HoldOut:
    case BreathKind::Rest:
        break;
    }
    return 0.0;
}

QString roundsText(int rounds)
{
    return rounds == 1 ? QStringLiteral("1 round") : QStringLiteral("%1 rounds").arg(rounds);
}

} // namespace

BreathingEngine::BreathingEngine(BreathingPattern pattern, int rounds)
    : m_pattern(std::move(pattern))
    , m_rounds(std::max(rounds, 1))
{
}

qint64 BreathingEngine::totalMilliseconds() const
{
    return qint64(m_pattern.roundMilliseconds()) * m_rounds;
}

void BreathingEngine::start(qint64 now, const QDateTime& startedAt)
{
    m_running = true;
    m_startedAt = startedAt;
    m_startedAtTick = now;
    m_pausedAt = -1;
    m_pausedFor = 0;
    m_stoppedAt = -1;
}

void BreathingEngine::pause(qint64 now)
{
    if (m_running && !paused() && !stopped())
        m_pausedAt = now;
}

void BreathingEngine::resume(qint64 now)
{
    if (!paused() || stopped())
        return;
    m_pausedFor += std::max<qint64>(now - m_pausedAt, 0);
    m_pausedAt = -1;
}

void BreathingEngine::stop(qint64 now)
{
    if (m_running && !stopped())
        m_stoppedAt = now;
}

qint64 BreathingEngine::elapsed(qint64 now) const
{
    if (!m_running)
        return 0;
    // A stop or a pause freezes the practice at that moment.
    if (stopped())
        now = std::min(now, m_stoppedAt);
    if (paused())
        now = std::min(now, m_pausedAt);
    return std::clamp<qint64>(now - m_startedAtTick - m_pausedFor, 0, totalMilliseconds());
}

bool BreathingEngine::done(qint64 now) const
{
    return m_running && elapsed(now) >= totalMilliseconds();
}

BreathingState BreathingEngine::state(qint64 now) const
{
    BreathingState state;
    state.rounds = m_rounds;
    state.paused = paused();
    state.elapsedMilliseconds = elapsed(now);
    state.done = done(now);
    const qint64 round = m_pattern.roundMilliseconds();
    if (round <= 0 || m_pattern.phases.isEmpty())
        return state;
    // At the very end the last moment of the last phase is shown, not the start of a new round.
    const qint64 at = state.done ? state.elapsedMilliseconds - 1 : state.elapsedMilliseconds;
    state.round = int(at / round) + 1;
    qint64 within = at % round;
    for (qsizetype i = 0; i < m_pattern.phases.size(); ++i) {
        const BreathPhase& phase = m_pattern.phases.at(i);
        if (within < phase.milliseconds || i + 1 == m_pattern.phases.size()) {
            state.phase = phase;
            state.phaseIndex = int(i);
            break;
        }
        within -= phase.milliseconds;
    }
    const int length = std::max(state.phase.milliseconds, 1);
    state.progress = state.done ? 1.0 : std::clamp(double(within) / length, 0.0, 1.0);
    state.fullness = fullnessIn(state.phase.kind, state.progress);
    state.count = state.phase.stroke > 0
                      ? state.phase.stroke
                      : std::min(int(within / 1000) + 1, std::max(length / 1000, 1));
    return state;
}

JournalEntry BreathingEngine::entry(qint64 now) const
{
    JournalEntry entry;
    entry.started = m_startedAt;
    entry.kind = PracticeKind::Breathing;
    entry.title = m_pattern.name;
    const qint64 practised = elapsed(now);
    entry.seconds = int((practised + 500) / 1000);
    entry.completed = done(now);
    if (entry.completed) {
        entry.summary = QStringLiteral("%1 at %2").arg(roundsText(m_rounds), m_pattern.pace);
    } else {
        const qint64 round = std::max(m_pattern.roundMilliseconds(), 1);
        entry.summary =
            QStringLiteral("%1 of %2 at %3")
                .arg(QString::number(practised / round), roundsText(m_rounds), m_pattern.pace);
    }
    return entry;
}

} // namespace tarvo::practice
