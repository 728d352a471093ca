#include "practice/sessions/SessionGuidance.h"

#include "asanas/AsanaCatalogue.h"
#include "asanas/PoseFacts.h"

#include <QStringList>

namespace tarvo::practice {

namespace {

// A hold shorter than this has no half-way reminder.
constexpr int kLongHoldSeconds = 20;

QString sideWords(Side side)
{
    switch (side) {
    case Side::Right:
        return QStringLiteral("right side");
    case Side::Left:
        return QStringLiteral("left side");
    case Side::None:
        break;
    }
    return {};
}

QString counted(int n, const QString& one, const QString& many)
{
    return n == 1 ? QStringLiteral("one ") + one : numberWords(n) + u' ' + many;
}

QString capitalised(QString text)
{
    if (!text.isEmpty())
        text[0] = text.at(0).toUpper();
    return text;
}

} // namespace

QString announcement(const TimedStep& step)
{
    QStringList said{step.asana};
    if (const auto number = findAsana(step.asana))
        said.append(loadAsanaCatalogue().at(*number - 1).englishName);
    if (step.side != Side::None)
        said.append(sideWords(step.side));
    QString text = QStringLiteral("Next: %1.").arg(said.join(QStringLiteral(", ")));
    if (const PoseFacts* facts = poseFacts(step.asana))
        text += u' ' + facts->entryCue;
    return text;
}

QString holdSentence(const SessionStep& step)
{
    const int hold = std::max(1, step.hold);
    switch (step.unit) {
    case HoldUnit::Breaths:
        return QStringLiteral("Hold for %1.")
            .arg(counted(hold, QStringLiteral("breath"), QStringLiteral("breaths")));
    case HoldUnit::Seconds:
        if (hold >= 60 && hold % 60 == 0)
            return QStringLiteral("Stay for %1.")
                .arg(counted(hold / 60, QStringLiteral("minute"), QStringLiteral("minutes")));
        return QStringLiteral("Hold for %1.")
            .arg(counted(hold, QStringLiteral("second"), QStringLiteral("seconds")));
    case HoldUnit::Times:
        break;
    }
    return hold == 1 ? QStringLiteral("Once.")
                     : capitalised(QStringLiteral("%1 times.").arg(numberWords(hold)));
}

SessionGuidance::SessionGuidance(GuidanceOutput& output)
    : m_output(output)
{
}

void SessionGuidance::follow(const SessionPlayer& player)
{
    if (m_over)
        return;
    if (player.isOver()) {
        m_over = true;
        m_output.hush();
        if (player.state() == SessionPlayer::State::Finished)
            m_output.say(QStringLiteral("The session is complete. Rest as long as you like."));
        return;
    }
    if (player.state() == SessionPlayer::State::Paused) {
        if (!m_paused)
            m_output.hush();
        m_paused = true;
        return;
    }
    m_paused = false;
    if (player.currentIndex() != m_index) {
        enter(player, m_index);
        return;
    }
    const TimedStep& step = player.current();
    if (step.phase != StepPhase::Hold)
        return;
    if (!m_halfwaySaid && step.seconds >= kLongHoldSeconds && player.stepProgress() >= 0.5) {
        m_halfwaySaid = true;
        m_output.say(QStringLiteral("Keep breathing evenly."));
    }
    const int left = player.remainingSeconds();
    if (left > 0 && left <= m_nextCount && step.seconds > 3) {
        m_output.play(Tone::Count);
        m_nextCount = left - 1;
    }
}

void SessionGuidance::enter(const SessionPlayer& player, int previous)
{
    // A skip cuts off what was being said; the step that comes is said from its start.
    m_output.hush();
    m_index = player.currentIndex();
    m_halfwaySaid = false;
    m_nextCount = 3;
    const TimedStep& step = player.current();
    if (step.phase == StepPhase::GetReady) {
        const bool released = previous >= 0 && previous + 1 == m_index
                              && player.steps().at(previous).phase == StepPhase::Hold;
        if (released) {
            QString release = QStringLiteral("Release.");
            if (const PoseFacts* facts = poseFacts(player.steps().at(previous).asana))
                release += u' ' + facts->exitCue;
            m_output.say(release);
        }
        m_output.say(announcement(step));
        return;
    }
    m_output.say(holdSentence(player.session().steps.at(step.pose)));
}

} // namespace tarvo::practice
