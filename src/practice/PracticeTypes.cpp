#include "practice/PracticeTypes.h"

namespace tarvo::practice {

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

} // namespace tarvo::practice
