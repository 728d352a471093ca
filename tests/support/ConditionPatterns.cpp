#include "support/ConditionPatterns.h"

#include <QRegularExpression>

namespace tarvo::test {

namespace {

const QList<std::pair<Condition, const char*>> kNamed = {
    {Condition::Pregnancy, R"(\bpregnan)"},
    {Condition::HighBloodPressure,
     R"(high (or low )?blood pressure|hypertension|blood pressure problem|blood pressure runs high)"},
    {Condition::LowBloodPressure,
     R"(low blood pressure|high or low blood pressure|blood pressure problem|\bdizz|\bfaint)"},
    {Condition::HeartDisease, R"(heart (disease|condition|trouble|problem)|cardiac|coronary)"},
    {Condition::Glaucoma, R"(glaucoma|retina)"},
    {Condition::Migraine, R"(migraine|headache)"},
    {Condition::Neck,
     R"(spondylitis|\bneck (injur|pain|problem|disorder)|(problems?|stiffness|injur\w*|pain)"
     R"(|disorders) (of|in) the neck|\bneck and shoulder (problem|disorder)|\bback or neck injur)"
     R"(|\bneck is (un)?comfortable|protects the neck|neck or (lower )?back hurts)"
     R"(|neck or shoulders feel strained)"},
    {Condition::Back,
     R"(slipped disc|sciatica|sciatic|\b(lower )?back (injur|pain|problem|surgery|hurts))"
     R"(|back ache|backache|spine problems|spinal surgery|weak lower back)"
     R"(|\b(back|spine),? (or|and) (neck|hip|knee|ankle) injur|\bback, knee or hip injur)"
     R"(|knee, ankle or back injur|lower back (hurts|feel|become)|protect the lower back)"
     R"(|strains the knees, hips or lower back|back hurts|serious back|lower back allows)"},
    {Condition::KneeInjury,
     R"(\bknee,|\bknee (or|and) (ankle|hip|elbow)|\bknee or ankle injur|\bknee injur)"
     R"(|knee surgery|knee ligament|knees? hurt|stiff knees|knees or ankles hurt|strains the knees)"
     R"(|arthritis of the knees|knees or hips are stiff|pain in the knees|chronic knee pain)"
     R"(|stiff or injured knees|knees or shoulders)"},
    {Condition::WristInjury,
     R"(\bwrist,? or (hand|elbow) injur|injuries of the wrists|arthritis of the wrists)"
     R"(|carpal tunnel)"},
    {Condition::ShoulderInjury,
     R"(shoulder injur|shoulder problem|frozen shoulder|knees or shoulders)"},
    {Condition::Hernia,
     R"(hernia|abdominal (or \w+ )?(surgery|operation)|major (surgery|operation))"
     R"(|surgery, especially on the abdomen|operation, especially on the abdomen)"},
    {Condition::StomachUlcer, R"(\bulcer)"},
    {Condition::Osteoporosis, R"(osteoporosis)"},
    {Condition::Epilepsy, R"(epilep)"},
    {Condition::Menstruation, R"(menstrua|between periods|period problems)"},
};

} // namespace

bool namesCondition(const QString& sentence, Condition condition)
{
    for (const auto& [named, pattern] : kNamed) {
        if (named == condition)
            return QRegularExpression(QString::fromUtf8(pattern),
                                      QRegularExpression::CaseInsensitiveOption)
                .match(sentence)
                .hasMatch();
    }
    return false;
}

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

} // namespace tarvo::test
