#pragma once

#include "asanas/PoseFacts.h"

#include <QStringList>

namespace tarvo {

// A ticked condition for which a pose's text says to leave the pose out or to take care, with
// the sentence that says so.
struct Caution {
    Condition condition = Condition::Pregnancy;
    // Avoid or Care.
    Advice advice = Advice::Care;
    QString reason;

    friend bool operator==(const Caution&, const Caution&) = default;
};

// The cautions of a library pose for the ticked conditions, in the order of allConditions():
// for each condition, every sentence of its strongest advice. An unknown name has none.
QList<Caution> cautionsFor(const QString& asanaName, const QList<Condition>& ticked);
// The same over any notes, such as a breathing pattern's.
QList<Caution> cautionsIn(const QList<ConditionNote>& notes, const QList<Condition>& ticked);

// True when one of the cautions says to leave the pose out.
bool rulesOut(const QList<Caution>& cautions);

// Every condition the notes say to avoid the practice with, in the order of allConditions().
QList<Condition> conditionsRuledOut(const QList<ConditionNote>& notes);

// One line for each sentence, with the conditions it names: "⚠ Avoid with Pregnancy,
// Menstruation: Do not practise the Bow Pose …", "⚠ Take care with Knee injury: …", or both
// ("⚠ Avoid with Pregnancy; take care with Migraine or headache: …").
QStringList cautionMarks(const QList<Caution>& cautions);

// Said before every session, whatever is ticked.
QString stopAtOnceText();

// Said above the asanas of a body part.
QString bodyPartCautionText(const QString& bodyPart);
// Said above the asanas of an application that is about a condition their texts may name, such
// as "Sciatica"; empty for the others.
QString applicationCautionText(const QString& application);

} // namespace tarvo
