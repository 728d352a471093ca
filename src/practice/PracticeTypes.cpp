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

} // namespace tarvo::practice
