#pragma once

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

    int roundMilliseconds() const;
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

// A practice never ends inside a breath: the last round started within the minutes is finished,
// so the practice lasts at least as long as asked and at most one round more.
int roundsFor(const BreathingPattern& pattern, const BreathingLength& length);

} // namespace tarvo::practice
