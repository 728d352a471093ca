#pragma once

#include "asanas/PoseFacts.h"

#include <QList>
#include <QString>
#include <optional>

namespace tarvo::practice {

enum class BreathKind { Inhale, Hold, Exhale, HoldOut, Rest };

// The nostril the breath goes through; alternate nostril breathing names one in every phase.
enum class Nostril { Both, Left, Right, Closed };

struct BreathPhase {
    BreathKind kind = BreathKind::Inhale;
    int milliseconds = 0;
    Nostril nostril = Nostril::Both;
    // What to do in this phase beyond breathing in or out: the throat sound, the hum, the pose.
    QString cue;
    // In quick bellows breathing the strokes are counted, not the seconds; 0 elsewhere.
    int stroke = 0;

    friend bool operator==(const BreathPhase&, const BreathPhase&) = default;
};

struct BreathingPattern {
    // Stable name the article buttons and the settings use ("box").
    QString key;
    QString name;
    // How the rounds go, for the journal: "4:4", "one stroke a second".
    QString pace;
    // A caution or a way to begin, shown with the pattern.
    QString note;
    // One round.
    QList<BreathPhase> phases;
    int defaultRounds = 10;
    // Every caution its articles give, each sentence whole, and the conditions they name.
    QStringList cautions;
    QList<ConditionNote> conditionNotes;
    // More rounds than this are beyond a beginner (0: no such limit), as this sentence says.
    int beginnerRounds = 0;
    QString roundsSentence;

    int roundMilliseconds() const;
    bool holdsBreath() const;
};

// The four counts of a breath in seconds; holds may be 0.
struct BreathCounts {
    int inhale = 4;
    int hold = 0;
    int exhale = 4;
    int holdOut = 0;
};

inline constexpr int kMaxCount = 30;

// The patterns the guide offers, in the order it lists them; the custom one is not among them.
const QList<BreathingPattern>& breathingPatterns();
std::optional<BreathingPattern> breathingPattern(const QString& key);

// Why counts cannot make a pattern, or an empty string when they can.
QString countsError(const BreathCounts& counts);
// A pattern of one breath with these counts; counts must be valid.
BreathingPattern customPattern(const BreathCounts& counts);
// "4:4", "4:16:8", "4:4:4:4": holds of 0 at the end are left out.
QString ratioText(const BreathCounts& counts);

// "Breathe in", "Hold", "Breathe out", "Breathe normally".
QString phaseWord(BreathKind kind);
// "Left nostril", "Right nostril", "Both nostrils closed"; empty where either nostril will do.
QString nostrilText(Nostril nostril);

// How long a practice goes on.
struct BreathingLength {
    enum class Unit { Rounds, Minutes };
    Unit unit = Unit::Rounds;
    int amount = 10;
};

inline constexpr int kMaxRounds = 100;
inline constexpr int kMaxMinutes = 60;
// Forceful breathing is counted in rounds, and never runs longer than this.
inline constexpr int kMaxForcefulRounds = 10;

// A practice never ends inside a breath: the last round started within the minutes is finished,
// so the practice lasts at least as long as asked and at most one round more. A pattern with a
// beginner's limit is counted in rounds alone, kMaxForcefulRounds at most.
int roundsFor(const BreathingPattern& pattern, const BreathingLength& length);

// "Bhastrika is counted in rounds: more than 3 is beyond a beginner. …", when rounds is over the
// pattern's beginner limit; otherwise empty.
QString roundsWarning(const BreathingPattern& pattern, int rounds);

} // namespace tarvo::practice
