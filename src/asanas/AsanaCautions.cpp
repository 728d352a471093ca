#include "asanas/AsanaCautions.h"

#include "asanas/AsanaCatalogue.h"
#include "platform/SettingsStore.h"

#include <QRegularExpression>

namespace tarvo {

namespace {

const QString kConditionsKey = QStringLiteral("Practice/Conditions");

struct ConditionInfo {
    Condition condition;
    const char16_t* name;
    const char16_t* key;
    // Matched against one sentence of the cautions, ignoring case.
    const char16_t* pattern;
};

// The patterns follow the wording of the library's cautions: "back" counts only where the
// back is hurt or injured (not "the back against a wall"), and a knee only where it is injured,
// stiff or strained (not "bend the knees").
const ConditionInfo kConditions[] = {
    {Condition::Pregnancy, u"Pregnancy", u"pregnancy", u"\\bpregnan"},
    {Condition::HighBloodPressure, u"High blood pressure", u"high-blood-pressure",
     u"\\bhigh (or low )?blood pressure|hypertension"},
    {Condition::Glaucoma, u"Glaucoma", u"glaucoma", u"glaucoma"},
    {Condition::Neck, u"Neck injury or problems", u"neck", u"\\bneck\\b|spondylitis"},
    {Condition::Back, u"Back injury or problems", u"back",
     u"\\b(back|spine)\\b(,? (or|and) \\w+)? (injur|surgery|ache|pain|problem|hurts)"
     u"|lower back|slipped disc|sciatica"},
    {Condition::KneeInjury, u"Knee injury", u"knee",
     u"\\bknee\\b[\\w ,]*?\\binjur|\\bknee pain|knees hurt|stiff knees|knees[\\w ]*? are stiff"
     u"|strains the knees|arthritis of the knees"},
    {Condition::Menstruation, u"Menstruation", u"menstruation", u"menstrua"},
    {Condition::HeartDisease, u"Heart disease", u"heart-disease",
     u"heart (disease|condition|trouble)|cardiac"},
};

const ConditionInfo& infoOf(Condition condition)
{
    return kConditions[static_cast<int>(condition)];
}

const QRegularExpression& patternOf(Condition condition)
{
    static const QList<QRegularExpression> patterns = [] {
        QList<QRegularExpression> list;
        for (const ConditionInfo& info : kConditions)
            list.append(QRegularExpression(QString::fromUtf16(info.pattern),
                                           QRegularExpression::CaseInsensitiveOption));
        return list;
    }();
    return patterns[static_cast<int>(condition)];
}

// The cautions one sentence at a time, item numbers taken off.
QStringList sentencesOf(const QString& text)
{
    static const QRegularExpression itemNumber(QStringLiteral("^\\d+\\.\\s+"));
    static const QRegularExpression sentenceEnd(QStringLiteral("(?<=[.!?])\\s+(?=[A-Z])"));
    QStringList sentences;
    for (QString line : text.split(QStringLiteral("\r\n"), Qt::SkipEmptyParts)) {
        line.remove(itemNumber);
        for (const QString& sentence : line.split(sentenceEnd, Qt::SkipEmptyParts))
            sentences.append(sentence.trimmed());
    }
    return sentences;
}

} // namespace

const QList<Condition>& allConditions()
{
    static const QList<Condition> conditions = [] {
        QList<Condition> list;
        for (const ConditionInfo& info : kConditions)
            list.append(info.condition);
        return list;
    }();
    return conditions;
}

QString conditionName(Condition condition)
{
    return QString::fromUtf16(infoOf(condition).name);
}

QList<Caution> cautionsFor(const AsanaRecord& record, const QList<Condition>& ticked)
{
    QList<Caution> cautions;
    if (ticked.isEmpty())
        return cautions;
    const QStringList sentences = sentencesOf(record.contradictions);
    for (Condition condition : allConditions()) {
        if (!ticked.contains(condition))
            continue;
        for (const QString& sentence : sentences) {
            if (patternOf(condition).match(sentence).hasMatch()) {
                cautions.append({condition, sentence});
                break;
            }
        }
    }
    return cautions;
}

QList<Caution> cautionsFor(const QString& asanaName, const QList<Condition>& ticked)
{
    const auto number = findAsana(asanaName);
    if (!number)
        return {};
    return cautionsFor(loadAsanaCatalogue().at(*number - 1), ticked);
}

QStringList cautionMarks(const QList<Caution>& cautions)
{
    QStringList reasons;
    QList<QStringList> conditions;
    for (const Caution& caution : cautions) {
        const qsizetype at = reasons.indexOf(caution.reason);
        if (at < 0) {
            reasons.append(caution.reason);
            conditions.append({conditionName(caution.condition)});
        } else {
            conditions[at].append(conditionName(caution.condition));
        }
    }
    QStringList marks;
    for (qsizetype i = 0; i < reasons.size(); ++i)
        marks.append(QStringLiteral("\u26a0 %1: %2")
                         .arg(conditions.at(i).join(QStringLiteral(", ")), reasons.at(i)));
    return marks;
}

QList<Condition> storedConditions(const SettingsStore& settings)
{
    const QStringList keys = settings.value(kConditionsKey).split(u',', Qt::SkipEmptyParts);
    QList<Condition> conditions;
    for (const ConditionInfo& info : kConditions) {
        if (keys.contains(QString::fromUtf16(info.key)))
            conditions.append(info.condition);
    }
    return conditions;
}

void storeConditions(SettingsStore& settings, const QList<Condition>& conditions)
{
    QStringList keys;
    for (const ConditionInfo& info : kConditions) {
        if (conditions.contains(info.condition))
            keys.append(QString::fromUtf16(info.key));
    }
    settings.setValue(kConditionsKey, keys.join(u','));
}

} // namespace tarvo
