#pragma once

#include "asanas/HealthConditions.h"

#include <QList>
#include <QString>
#include <QStringList>
#include <optional>

namespace tarvo {

enum class PoseLevel { Beginner, Intermediate, Advanced };

enum class PoseFamily {
    Standing,
    Balance,
    ForwardBend,
    Backbend,
    Twist,
    Inversion,
    Seated,
    Supine,
    Prone,
    ArmBalance,
    Relaxation,
};

enum class BodySide { Right, Left };

// What a pose's own text says about a condition: to leave the pose out, how to practise it
// with care, or that it may help.
enum class Advice { Avoid, Care, Helps };

// One condition named by one sentence of a pose's text, as the page shows that sentence.
struct ConditionNote {
    Condition condition = Condition::Pregnancy;
    Advice advice = Advice::Care;
    QString sentence;
};

// How long a beginner stays in the pose, as its procedure says: a hold in seconds, or a number
// of repetitions of a movement.
struct BeginnerHold {
    enum class Unit { Seconds, Times };
    Unit unit = Unit::Seconds;
    int from = 0;
    int to = 0;
    // For repetitions: how long one takes at an easy pace.
    int secondsEach = 0;
    // The sentence of the procedure that gives the hold.
    QString sentence;
};

// What practice needs to know of a library pose, held as data beside its prose.
struct PoseFacts {
    QString name;
    PoseLevel level = PoseLevel::Beginner;
    PoseFamily family = PoseFamily::Standing;
    BeginnerHold hold;
    // Set for a pose practised on one side and then the other: the side its procedure starts on.
    std::optional<BodySide> firstSide;
    // Poses the text says to learn or practise before this one, and after it.
    QStringList preparation;
    QStringList counterposes;
    // The procedure's steps that get into the pose (numbers from 1), and the one that comes out.
    int firstEntryStep = 1;
    int lastEntryStep = 1;
    QString entryCue;
    int exitStep = 1;
    QString exitCue;
    // A gentler way in for a learner: a prop, a wall or chair, or an easier variant.
    QString easier;
    QList<ConditionNote> notes;
};

// The 32 library poses in catalogue order, read from the compiled-in data on first call.
const QList<PoseFacts>& allPoseFacts();
// The facts of a library pose, or nullptr for a name the library does not have.
const PoseFacts* poseFacts(const QString& libraryName);

// "beginner", "forward bend", as the data writes them.
QString levelName(PoseLevel level);
QString familyName(PoseFamily family);

// The conditions a lookup list is about: the application "Sciatica" is about the back.
QList<Condition> conditionsOfApplication(const QString& application);
QList<Condition> conditionsOfBodyPart(const QString& bodyPart);
// The gentler options an application's listed asanas name in their own texts, as one line;
// empty for most.
QString gentlerOptionsOfApplication(const QString& application);

} // namespace tarvo
