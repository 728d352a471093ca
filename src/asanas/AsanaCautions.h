#pragma once

#include <QList>
#include <QString>
#include <QStringList>

namespace tarvo {

class SettingsStore;
struct AsanaRecord;

// The health conditions a user can tick before practising.
enum class Condition {
    Pregnancy,
    HighBloodPressure,
    Glaucoma,
    Neck,
    Back,
    KneeInjury,
    Menstruation,
    HeartDisease,
};

// In the order they are offered.
const QList<Condition>& allConditions();
// "High blood pressure".
QString conditionName(Condition condition);

// A condition an asana's cautions name, with the sentence of the cautions that names it.
struct Caution {
    Condition condition = Condition::Pregnancy;
    QString reason;

    friend bool operator==(const Caution&, const Caution&) = default;
};

// Which of the ticked conditions the record's cautions name, in the order of allConditions().
QList<Caution> cautionsFor(const AsanaRecord& record, const QList<Condition>& ticked);
// The same for a library name; an unknown name has none.
QList<Caution> cautionsFor(const QString& asanaName, const QList<Condition>& ticked);

// One line for each reason: "⚠ Knee injury: Avoid it with knee, ankle or back injuries,
// sciatica or a slipped disc."; conditions named by the same sentence share its line.
QStringList cautionMarks(const QList<Caution>& cautions);

// The conditions ticked last time, kept under the settings key Practice/Conditions.
QList<Condition> storedConditions(const SettingsStore& settings);
void storeConditions(SettingsStore& settings, const QList<Condition>& conditions);

} // namespace tarvo
