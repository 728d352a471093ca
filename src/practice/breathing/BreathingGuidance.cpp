#include "practice/breathing/BreathingGuidance.h"

namespace tarvo::practice {

namespace {

// Phases this long and longer are counted aloud; shorter ones would be all counting.
constexpr int kCountedMilliseconds = 4000;

} // namespace

QString spokenPhase(const BreathPhase& phase)
{
    QString word;
    switch (phase.kind) {
    case BreathKind::Inhale:
        word = QStringLiteral("In");
        break;
    case BreathKind::Hold:
    case BreathKind::HoldOut:
        word = QStringLiteral("Hold");
        break;
    case BreathKind::Exhale:
        word = QStringLiteral("Out");
        break;
    case BreathKind::Rest:
        word = QStringLiteral("Breathe normally");
        break;
    }
    if (phase.nostril == Nostril::Left)
        word += QStringLiteral(", left");
    else if (phase.nostril == Nostril::Right)
        word += QStringLiteral(", right");
    return word;
}

BreathingGuidance::BreathingGuidance(GuidanceOutput& output, Mode mode)
    : m_output(output)
    , m_mode(mode)
{
}

void BreathingGuidance::follow(const BreathingState& state)
{
    if (state.done || state.paused) {
        if (!m_quiet)
            m_output.hush();
        m_quiet = true;
        // After a pause the phase is said again.
        m_phase = -1;
        return;
    }
    m_quiet = false;
    if (state.round != m_round || state.phaseIndex != m_phase) {
        enterPhase(state);
        return;
    }
    if (state.count == m_count)
        return;
    m_count = state.count;
    if (state.phase.stroke > 0) {
        // Counted by the strokes themselves, which enterPhase ticks.
    } else if (m_mode == Mode::Voice && state.phase.milliseconds >= kCountedMilliseconds) {
        m_output.say(numberWords(state.count));
    }
}

void BreathingGuidance::enterPhase(const BreathingState& state)
{
    m_round = state.round;
    m_phase = state.phaseIndex;
    m_count = state.count;
    const BreathPhase& phase = state.phase;
    if (phase.stroke > 0) {
        // A tick for each forceful breath out; the breath in between comes by itself.
        if (phase.kind == BreathKind::Exhale)
            m_output.play(Tone::Tick);
        return;
    }
    if (m_mode == Mode::Voice) {
        m_output.say(spokenPhase(phase));
        return;
    }
    if (phase.kind == BreathKind::Inhale)
        m_output.play(Tone::Rising);
    else if (phase.kind == BreathKind::Exhale)
        m_output.play(Tone::Falling);
}

} // namespace tarvo::practice
