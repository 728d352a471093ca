#include "practice/sessions/SessionSafety.h"

#include "asanas/AsanaCautions.h"

namespace tarvo::practice {

QString notForText(const Session& session)
{
    QList<ConditionNote> notes;
    for (const SessionStep& step : session.steps) {
        if (const PoseFacts* facts = poseFacts(step.asana))
            notes += facts->notes;
    }
    const QList<Condition> ruledOut = conditionsRuledOut(notes);
    if (ruledOut.isEmpty())
        return {};
    return QStringLiteral("This session is not for: %1. The poses below say why.")
        .arg(conditionNames(ruledOut));
}

} // namespace tarvo::practice
