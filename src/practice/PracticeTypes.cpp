#include "practice/PracticeTypes.h"

#include "platform/UserText.h"

namespace tarvo::practice {

QString clockText(int seconds)
{
    return QStringLiteral("%1:%2").arg(seconds / 60).arg(seconds % 60, 2, 10, QLatin1Char('0'));
}

QString kindName(PracticeKind kind)
{
    return kind == PracticeKind::Session ? QStringLiteral("session") : QStringLiteral("breathing");
}

std::optional<PracticeKind> kindFromName(const QString& name)
{
    if (name == QLatin1String("session"))
        return PracticeKind::Session;
    if (name == QLatin1String("breathing"))
        return PracticeKind::Breathing;
    return std::nullopt;
}

QString journalEntryProblem(const JournalEntry& entry)
{
    if (!entry.started.isValid())
        return QStringLiteral("A journal entry needs the time it started.");
    if (entry.seconds < 0)
        return QStringLiteral("A journal entry cannot last less than no time.");
    return {};
}

QString sessionKey(const QString& name)
{
    return name.trimmed().toCaseFolded();
}

QString sessionNameProblem(const QString& name)
{
    return sessionKey(name).isEmpty() ? QStringLiteral("A session needs a name.") : QString();
}

QString missingSessionProblem(const QString& name)
{
    return QStringLiteral("There is no session \"%1\".").arg(isolated(name));
}

QString sessionCopyProblem(const QString& from, bool fromExists, const QString& to, bool toTaken)
{
    if (!fromExists)
        return missingSessionProblem(from);
    if (const QString problem = sessionNameProblem(to); !problem.isEmpty())
        return problem;
    if (toTaken)
        return QStringLiteral("There is already a session \"%1\".").arg(isolated(to.trimmed()));
    return {};
}

} // namespace tarvo::practice
