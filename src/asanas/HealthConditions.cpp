#include "asanas/HealthConditions.h"

#include "platform/SettingsStore.h"

#include <QStringList>

namespace tarvo {

namespace {

const QString kConditionsKey = QStringLiteral("Practice/Conditions");

struct ConditionInfo {
    Condition condition;
    const char16_t* name;
    const char16_t* key;
};

// Keys written by earlier versions (pregnancy, high-blood-pressure, glaucoma, neck, back, knee,
// menstruation, heart-disease) keep their meaning.
const ConditionInfo kConditions[] = {
    {Condition::Pregnancy, u"Pregnancy", u"pregnancy"},
    {Condition::HighBloodPressure, u"High blood pressure", u"high-blood-pressure"},
    {Condition::LowBloodPressure, u"Low blood pressure or dizziness", u"low-blood-pressure"},
    {Condition::HeartDisease, u"Heart disease", u"heart-disease"},
    {Condition::Glaucoma, u"Glaucoma or retinal problems", u"glaucoma"},
    {Condition::Migraine, u"Migraine or headache", u"migraine"},
    {Condition::Neck, u"Neck injury or problems", u"neck"},
    {Condition::Back, u"Back problems or slipped disc", u"back"},
    {Condition::KneeInjury, u"Knee injury", u"knee"},
    {Condition::WristInjury, u"Wrist injury", u"wrist"},
    {Condition::ShoulderInjury, u"Shoulder injury", u"shoulder"},
    {Condition::Hernia, u"Hernia or recent abdominal surgery", u"hernia"},
    {Condition::StomachUlcer, u"Stomach ulcer", u"ulcer"},
    {Condition::Osteoporosis, u"Osteoporosis", u"osteoporosis"},
    {Condition::Epilepsy, u"Epilepsy", u"epilepsy"},
    {Condition::Menstruation, u"Menstruation", u"menstruation"},
};

const ConditionInfo& infoOf(Condition condition)
{
    return kConditions[static_cast<int>(condition)];
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

QString conditionKey(Condition condition)
{
    return QString::fromUtf16(infoOf(condition).key);
}

std::optional<Condition> conditionFromKey(const QString& key)
{
    for (const ConditionInfo& info : kConditions) {
        if (key == QString::fromUtf16(info.key))
            return info.condition;
    }
    return std::nullopt;
}

QString conditionNames(const QList<Condition>& conditions)
{
    QStringList names;
    for (Condition condition : allConditions()) {
        if (conditions.contains(condition))
            names.append(conditionName(condition));
    }
    return names.join(QStringLiteral(", "));
}

QList<Condition> storedConditions(const SettingsStore& settings)
{
    QList<Condition> conditions;
    for (const QString& key : settings.value(kConditionsKey).split(u',', Qt::SkipEmptyParts)) {
        const auto condition = conditionFromKey(key.trimmed());
        if (condition && !conditions.contains(*condition))
            conditions.append(*condition);
    }
    std::sort(conditions.begin(), conditions.end());
    return conditions;
}

void storeConditions(SettingsStore& settings, const QList<Condition>& conditions)
{
    QStringList keys;
    for (Condition condition : allConditions()) {
        if (conditions.contains(condition))
            keys.append(conditionKey(condition));
    }
    settings.setValue(kConditionsKey, keys.join(u','));
}

} // namespace tarvo
