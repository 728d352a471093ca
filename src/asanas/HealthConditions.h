#pragma once

#include <QList>
#include <QString>
#include <optional>

namespace tarvo {

class SettingsStore;

// The health conditions a user can tick before practising; what the poses' texts say about
// each is held in the practice data.
enum class Condition {
    Pregnancy,
    HighBloodPressure,
    LowBloodPressure,
    HeartDisease,
    Glaucoma,
    Migraine,
    Neck,
    Back,
    KneeInjury,
    WristInjury,
    ShoulderInjury,
    Hernia,
    StomachUlcer,
    Osteoporosis,
    Epilepsy,
    Menstruation,
};

// In the order they are offered.
const QList<Condition>& allConditions();
// "Low blood pressure or dizziness".
QString conditionName(Condition condition);
// The key the data files and the settings use: "low-blood-pressure".
QString conditionKey(Condition condition);
std::optional<Condition> conditionFromKey(const QString& key);

// "Pregnancy, Migraine or headache": the names in the order of allConditions().
QString conditionNames(const QList<Condition>& conditions);

// The conditions ticked last time, kept under the settings key Practice/Conditions.
QList<Condition> storedConditions(const SettingsStore& settings);
void storeConditions(SettingsStore& settings, const QList<Condition>& conditions);

} // namespace tarvo
