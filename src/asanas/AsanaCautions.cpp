#include "asanas/AsanaCautions.h"

#include <algorithm>

namespace tarvo {

QList<Caution> cautionsIn(const QList<ConditionNote>& notes, const QList<Condition>& ticked)
{
    QList<Caution> cautions;
    for (Condition condition : allConditions()) {
        if (!ticked.contains(condition))
            continue;
        const auto says = [&](Advice advice) {
            return std::any_of(notes.cbegin(), notes.cend(), [&](const ConditionNote& note) {
                return note.condition == condition && note.advice == advice;
            });
        };
        const Advice strongest = says(Advice::Avoid) ? Advice::Avoid : Advice::Care;
        for (const ConditionNote& note : notes) {
            if (note.condition == condition && note.advice == strongest)
                cautions.append({condition, strongest, note.sentence});
        }
    }
    return cautions;
}

QList<Caution> cautionsFor(const QString& asanaName, const QList<Condition>& ticked)
{
    const PoseFacts* facts = poseFacts(asanaName);
    return facts ? cautionsIn(facts->notes, ticked) : QList<Caution>{};
}

bool rulesOut(const QList<Caution>& cautions)
{
    return std::any_of(cautions.cbegin(), cautions.cend(),
                       [](const Caution& caution) { return caution.advice == Advice::Avoid; });
}

QList<Condition> conditionsRuledOut(const QList<ConditionNote>& notes)
{
    QList<Condition> conditions;
    for (Condition condition : allConditions()) {
        for (const ConditionNote& note : notes) {
            if (note.condition == condition && note.advice == Advice::Avoid) {
                conditions.append(condition);
                break;
            }
        }
    }
    return conditions;
}

QStringList cautionMarks(const QList<Caution>& cautions)
{
    QStringList reasons;
    for (const Caution& caution : cautions) {
        if (!reasons.contains(caution.reason))
            reasons.append(caution.reason);
    }
    QStringList marks;
    for (const QString& reason : std::as_const(reasons)) {
        QList<Condition> avoid;
        QList<Condition> care;
        for (const Caution& caution : cautions) {
            if (caution.reason == reason)
                (caution.advice == Advice::Avoid ? avoid : care).append(caution.condition);
        }
        QStringList parts;
        if (!avoid.isEmpty())
            parts.append(QStringLiteral("Avoid with %1").arg(conditionNames(avoid)));
        if (!care.isEmpty())
            parts.append(QStringLiteral("%1 with %2")
                             .arg(avoid.isEmpty() ? QStringLiteral("Take care")
                                                  : QStringLiteral("take care"),
                                  conditionNames(care)));
        marks.append(QStringLiteral("\u26a0 %1: %2").arg(parts.join(QStringLiteral("; ")), reason));
    }
    return marks;
}

QString stopAtOnceText()
{
    return QStringLiteral("Stop at once with chest pain, dizziness, numbness or sharp joint pain.");
}

QString bodyPartCautionText(const QString& bodyPart)
{
    const QList<Condition> conditions = conditionsOfBodyPart(bodyPart);
    const QString first = QStringLiteral(
        "With an injury, pain or illness here, read each asana's cautions before you practise it.");
    if (conditions.isEmpty())
        return first;
    return first
           + QStringLiteral(" The asanas marked \u26a0 give a caution for %1.")
                 .arg(conditionNames(conditions).toLower());
}

QString applicationCautionText(const QString& application)
{
    const QList<Condition> conditions = conditionsOfApplication(application);
    QStringList lines;
    if (!conditions.isEmpty())
        lines.append(QStringLiteral("Read the cautions first: the asanas marked \u26a0 give a "
                                    "caution for %1, with the reason.")
                         .arg(conditionNames(conditions).toLower()));
    if (const QString gentler = gentlerOptionsOfApplication(application); !gentler.isEmpty())
        lines.append(gentler);
    return lines.join(u'\n');
}

} // namespace tarvo
