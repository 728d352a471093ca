#include "practice/breathing/BreathingPattern.h"

#include "platform/ContentFile.h"

#include <QJsonArray>
#include <algorithm>
#include <numeric>

namespace tarvo::practice {

namespace {

constexpr int kSecond = 1000;

BreathPhase phase(BreathKind kind, int seconds, const QString& cue = {},
                  Nostril nostril = Nostril::Both)
{
    return {kind, seconds * kSecond, nostril, cue, 0};
}

QList<BreathPhase> oneBreath(const BreathCounts& counts, const QString& inCue = {},
                             const QString& outCue = {})
{
    QList<BreathPhase> phases{phase(BreathKind::Inhale, counts.inhale, inCue)};
    if (counts.hold > 0)
        phases.append(phase(BreathKind::Hold, counts.hold));
    phases.append(phase(BreathKind::Exhale, counts.exhale, outCue));
    if (counts.holdOut > 0)
        phases.append(phase(BreathKind::HoldOut, counts.holdOut));
    return phases;
}

// As the Nadi Shodhana article teaches it: in left, out right, in right, out left is one round,
// so a round always ends on the left nostril.
QList<BreathPhase> alternateNostrils(int inhale, int hold, int exhale)
{
    QList<BreathPhase> phases;
    const auto half = [&](Nostril in, Nostril out, const QString& inCue, const QString& outCue) {
        phases.append(phase(BreathKind::Inhale, inhale, inCue, in));
        if (hold > 0)
            phases.append(phase(BreathKind::Hold, hold, QStringLiteral("Close both nostrils"),
                                Nostril::Closed));
        phases.append(phase(BreathKind::Exhale, exhale, outCue, out));
    };
    half(Nostril::Left, Nostril::Right, QStringLiteral("The thumb closes the right nostril"),
         QStringLiteral("The ring finger closes the left nostril"));
    half(Nostril::Right, Nostril::Left, QStringLiteral("The ring finger closes the left nostril"),
         QStringLiteral("The thumb closes the right nostril"));
    return phases;
}

// Quick, forceful breaths at about one a second, framed by a deep breath in before them and a
// slow breath and a rest after them, as the articles describe a round.
QList<BreathPhase> bellows(int strokes, const QString& outCue, const QString& inCue,
                           int restSeconds)
{
    QList<BreathPhase> phases{
        phase(BreathKind::Inhale, 4, QStringLiteral("Take a deep breath in"))};
    for (int stroke = 1; stroke <= strokes; ++stroke) {
        phases.append({BreathKind::Exhale, kSecond / 2, Nostril::Both, outCue, stroke});
        // After the last stroke comes the slow breath in.
        if (stroke < strokes)
            phases.append({BreathKind::Inhale, kSecond / 2, Nostril::Both, inCue, stroke});
    }
    phases.append(phase(BreathKind::Inhale, 4, QStringLiteral("A slow, deep breath in")));
    phases.append(phase(BreathKind::Exhale, 6, QStringLiteral("Breathe out slowly")));
    phases.append(
        phase(BreathKind::Rest, restSeconds, QStringLiteral("Rest and let the breath calm")));
    return phases;
}

// The twelve positions with the breath each is joined to, leading with the right leg, then the
// left. Each half starts with a breath in standing, so the prayer pose's breath out follows one.
QList<BreathPhase> sunSalutation(int seconds)
{
    QList<BreathPhase> phases;
    for (const QString& leg : {QStringLiteral("right"), QStringLiteral("left")}) {
        const auto step = [&](BreathKind kind, const QString& cue) {
            phases.append(phase(kind, seconds, cue));
        };
        step(BreathKind::Inhale, QStringLiteral("Stand tall, feet together"));
        step(BreathKind::Exhale, QStringLiteral("1. Prayer pose, palms together"));
        step(BreathKind::Inhale, QStringLiteral("2. Raised arms pose"));
        step(BreathKind::Exhale, QStringLiteral("3. Hand to foot pose"));
        step(BreathKind::Inhale, QStringLiteral("4. Equestrian pose, %1 leg back").arg(leg));
        step(BreathKind::Hold, QStringLiteral("5. Plank pose"));
        step(BreathKind::Exhale, QStringLiteral("6. Salute with eight parts"));
        step(BreathKind::Inhale, QStringLiteral("7. Cobra pose"));
        step(BreathKind::Exhale, QStringLiteral("8. Downward-facing dog, an inverted V"));
        step(BreathKind::Inhale, QStringLiteral("9. Equestrian pose, %1 foot forward").arg(leg));
        step(BreathKind::Exhale, QStringLiteral("10. Hand to foot pose"));
        step(BreathKind::Inhale, QStringLiteral("11. Raised arms pose"));
        step(BreathKind::Exhale, QStringLiteral("12. Prayer pose"));
    }
    return phases;
}

const QJsonObject& safetyData()
{
    static const QJsonObject data =
        readContentObject(QStringLiteral(":/content/practice/breathing.json"));
    return data;
}

void addCaution(BreathingPattern& pattern, const QJsonObject& caution)
{
    const QString sentence = caution.value(u"sentence").toString();
    if (!pattern.cautions.contains(sentence))
        pattern.cautions.append(sentence);
    const std::pair<const char16_t*, Advice> kinds[] = {{u"avoid", Advice::Avoid},
                                                        {u"care", Advice::Care}};
    for (const auto& [kind, advice] : kinds) {
        for (const QString& key : stringList(caution.value(QString::fromUtf16(kind)))) {
            if (const auto condition = conditionFromKey(key))
                pattern.conditionNotes.append({*condition, advice, sentence});
        }
    }
}

// The cautions of the pattern's articles, and the one on holding the breath where it is held.
void addSafety(BreathingPattern& pattern)
{
    for (const QJsonValue& value : safetyData().value(u"patterns").toArray()) {
        const QJsonObject entry = value.toObject();
        if (entry.value(u"key").toString() != pattern.key)
            continue;
        for (const QJsonValue& caution : entry.value(u"cautions").toArray())
            addCaution(pattern, caution.toObject());
        pattern.beginnerRounds = entry.value(u"beginnerRounds").toInt();
        pattern.roundsSentence = entry.value(u"roundsSentence").toString();
    }
    if (pattern.holdsBreath())
        addCaution(pattern, safetyData().value(u"heldBreath").toObject());
}

BreathingPattern pattern(const char* key, const char* name, const QString& pace,
                         QList<BreathPhase> phases, int rounds, const char* note = "")
{
    BreathingPattern made;
    made.key = QLatin1String(key);
    made.name = QLatin1String(name);
    made.pace = pace;
    made.note = QLatin1String(note);
    made.phases = std::move(phases);
    made.defaultRounds = rounds;
    addSafety(made);
    return made;
}

QList<BreathingPattern> presets()
{
    const QString ujjayi = QStringLiteral("Narrow the throat: a soft sound like the sea");
    return {
        pattern("equal", "Equal breathing", QStringLiteral("4:4"), oneBreath({4, 0, 4, 0}), 12),
        pattern("box", "Box breathing", QStringLiteral("4:4:4:4"), oneBreath({4, 4, 4, 4}), 8),
        pattern("nadi-shodhana", "Nadi Shodhana", QStringLiteral("4:8"), alternateNostrils(4, 0, 8),
                10,
                "Before the first round, close the right nostril and breathe out through the "
                "left."),
        pattern("nadi-shodhana-hold", "Nadi Shodhana with holding", QStringLiteral("4:16:8"),
                alternateNostrils(4, 16, 8), 5,
                "Held four times and breathed out twice as long as breathed in (1:4:2), for "
                "practised students."),
        pattern("ujjayi", "Ujjayi", QStringLiteral("5:5"), oneBreath({5, 0, 5, 0}, ujjayi, ujjayi),
                12, "Breathe through the nose, lips closed."),
        pattern("bhramari", "Bhramari", QStringLiteral("4:8"),
                oneBreath({4, 0, 8, 0}, QStringLiteral("Ears closed, breathe in through the nose"),
                          QStringLiteral("Hum like a bee, lips closed")),
                5, "Close the ears lightly with the index fingers; never press into them."),
        pattern("bhastrika", "Bhastrika", QStringLiteral("one bellows breath a second"),
                bellows(10, QStringLiteral("Out forcefully through the nose"),
                        QStringLiteral("In just as forcefully"), 60),
                2,
                "A powerful practice: begin slowly, with few breaths, and learn it from an "
                "experienced teacher."),
        pattern("kapalbhati", "Kapalbhati", QStringLiteral("one stroke a second"),
                bellows(20, QStringLiteral("Pull the belly in sharply"),
                        QStringLiteral("Let the breath flow in"), 30),
                3, "The breath out is short and forceful; the breath in comes by itself."),
        pattern("surya-namaskar", "Surya Namaskar", QStringLiteral("4 seconds a movement"),
                sunSalutation(4), 2,
                "One round is the sequence leading with the right leg, then "
                "with the left."),
    };
}

} // namespace

bool BreathingPattern::holdsBreath() const
{
    return std::any_of(phases.cbegin(), phases.cend(), [](const BreathPhase& phase) {
        return phase.kind == BreathKind::Hold || phase.kind == BreathKind::HoldOut;
    });
}

int BreathingPattern::roundMilliseconds() const
{
    return std::accumulate(phases.cbegin(), phases.cend(), 0,
                           [](int sum, const BreathPhase& p) { return sum + p.milliseconds; });
}

const QList<BreathingPattern>& breathingPatterns()
{
    static const QList<BreathingPattern> all = presets();
    return all;
}

std::optional<BreathingPattern> breathingPattern(const QString& key)
{
    const QList<BreathingPattern>& all = breathingPatterns();
    const auto found = std::find_if(all.cbegin(), all.cend(),
                                    [&](const BreathingPattern& p) { return p.key == key; });
    if (found == all.cend())
        return std::nullopt;
    return *found;
}

QString countsError(const BreathCounts& counts)
{
    if (counts.inhale < 1 || counts.exhale < 1)
        return QStringLiteral("Breathing in and breathing out take at least one second each.");
    if (counts.hold < 0 || counts.holdOut < 0)
        return QStringLiteral("A hold cannot be shorter than no hold at all.");
    if (std::max({counts.inhale, counts.hold, counts.exhale, counts.holdOut}) > kMaxCount)
        return QStringLiteral("No part of a breath may be longer than %1 seconds.").arg(kMaxCount);
    return {};
}

QString ratioText(const BreathCounts& counts)
{
    QList<int> shown{counts.inhale};
    if (counts.hold > 0 || counts.holdOut > 0)
        shown.append(counts.hold);
    shown.append(counts.exhale);
    if (counts.holdOut > 0)
        shown.append(counts.holdOut);
    QStringList parts;
    for (int count : shown)
        parts.append(QString::number(count));
    return parts.join(u':');
}

BreathingPattern customPattern(const BreathCounts& counts)
{
    BreathingPattern made;
    made.key = QStringLiteral("custom");
    made.name = QStringLiteral("Custom breathing");
    made.pace = ratioText(counts);
    made.phases = oneBreath(counts);
    addSafety(made);
    return made;
}

QString phaseWord(BreathKind kind)
{
    switch (kind) {
    case BreathKind::Inhale:
        return QStringLiteral("Breathe in");
    case BreathKind::Hold:
    case BreathKind::HoldOut:
        return QStringLiteral("Hold");
    case BreathKind::Exhale:
        return QStringLiteral("Breathe out");
    case BreathKind::Rest:
        return QStringLiteral("Breathe normally");
    }
    return {};
}

QString nostrilText(Nostril nostril)
{
    switch (nostril) {
    case Nostril::Left:
        return QStringLiteral("Left nostril");
    case Nostril::Right:
        return QStringLiteral("Right nostril");
    case Nostril::Closed:
        return QStringLiteral("Both nostrils closed");
    case Nostril::Both:
        break;
    }
    return {};
}

int roundsFor(const BreathingPattern& pattern, const BreathingLength& length)
{
    if (pattern.beginnerRounds > 0)
        return std::clamp(length.unit == BreathingLength::Unit::Rounds ? length.amount
                                                                       : pattern.defaultRounds,
                          1, kMaxForcefulRounds);
    if (length.unit == BreathingLength::Unit::Rounds)
        return std::clamp(length.amount, 1, kMaxRounds);
    const qint64 wanted = qint64(std::clamp(length.amount, 1, kMaxMinutes)) * 60 * kSecond;
    const qint64 round = std::max(pattern.roundMilliseconds(), 1);
    return int((wanted + round - 1) / round);
}

QString roundsWarning(const BreathingPattern& pattern, int rounds)
{
    if (pattern.beginnerRounds <= 0 || rounds <= pattern.beginnerRounds)
        return {};
    return QStringLiteral("More than %1 rounds of %2 is beyond a beginner's practice. %3")
        .arg(pattern.beginnerRounds)
        .arg(pattern.name, pattern.roundsSentence);
}

} // namespace tarvo::practice
