#include "practice/sessions/ReadyMadeSession.h"

#include "asanas/AsanaCatalogue.h"
#include "asanas/PoseFacts.h"

#include <algorithm>

namespace tarvo::practice {

namespace {

const QStringList kWarmUp = {QStringLiteral("Pavanamuktasana"), QStringLiteral("Tadasana")};
const QString kRest = QStringLiteral("Shavasana");
const QString kFishPose = QStringLiteral("Matsyasana");
// A forward bend to follow backbends whose texts name no counterpose of their own.
const QString kForwardBend = QStringLiteral("Paschimottanasana");
constexpr int kRestSeconds = 300;

// The places of the running order, in order.
enum class Place { Standing, Backbends, Rest, Twists, ForwardBends, Seated, Inversions };

Place placeOf(PoseFamily family)
{
    switch (family) {
    case PoseFamily::Standing:
    case PoseFamily::Balance:
        return Place::Standing;
    case PoseFamily::Backbend:
        return Place::Backbends;
    case PoseFamily::Relaxation:
    case PoseFamily::Prone:
        return Place::Rest;
    case PoseFamily::Twist:
        return Place::Twists;
    case PoseFamily::ForwardBend:
        return Place::ForwardBends;
    case PoseFamily::Inversion:
        return Place::Inversions;
    case PoseFamily::Seated:
    case PoseFamily::Supine:
    case PoseFamily::ArmBalance:
        break;
    }
    return Place::Seated;
}

const PoseFacts& factsOf(const QString& name)
{
    static const PoseFacts none;
    const PoseFacts* facts = poseFacts(name);
    return facts ? *facts : none;
}

// Gentlest first: by level, and each pose after those its text says prepare it.
void orderGentlestFirst(QStringList& poses)
{
    std::stable_sort(poses.begin(), poses.end(), [](const QString& a, const QString& b) {
        return factsOf(a).level < factsOf(b).level;
    });
    QStringList ordered;
    QStringList seen;
    const auto take = [&](const QString& name, const auto& self) -> void {
        // Marked before its preparations are taken, so a cycle in the data ends here.
        if (seen.contains(name))
            return;
        seen.append(name);
        for (const QString& before : factsOf(name).preparation) {
            if (poses.contains(before))
                self(before, self);
        }
        ordered.append(name);
    };
    for (const QString& name : std::as_const(poses))
        take(name, take);
    poses = ordered;
}

class RunningOrder {
public:
    explicit RunningOrder(QStringList asked)
        : m_asked(std::move(asked))
    {
    }

    ReadyMadeSession build(const QString& title);

private:
    void place(const QString& name);
    void addPreparation(const QString& name);
    void addCounterposes();
    void note(const QString& text) { m_notes.append(text); }

    QStringList m_asked;
    QList<QStringList> m_places = QList<QStringList>(int(Place::Inversions) + 1);
    QStringList m_notes;
};

void RunningOrder::place(const QString& name)
{
    QStringList& poses = m_places[int(placeOf(factsOf(name).family))];
    if (!poses.contains(name))
        poses.append(name);
}

// An intermediate pose comes after the gentler pose its text says prepares it, unless that is an
// inversion, which a session must not take on unasked.
void RunningOrder::addPreparation(const QString& name)
{
    const PoseFacts& facts = factsOf(name);
    if (facts.level != PoseLevel::Intermediate || facts.preparation.isEmpty())
        return;
    const QString& before = facts.preparation.constFirst();
    const PoseFacts& preparation = factsOf(before);
    const bool present = std::any_of(m_places.cbegin(), m_places.cend(),
                                     [&](const QStringList& p) { return p.contains(before); });
    if (present || kWarmUp.contains(before) || preparation.family == PoseFamily::Inversion
        || preparation.level != PoseLevel::Beginner
        || placeOf(preparation.family) != placeOf(facts.family))
        return;
    place(before);
    note(QStringLiteral("%1 comes first to prepare the body for %2.").arg(before, name));
}

void RunningOrder::addCounterposes()
{
    QStringList& backbends = m_places[int(Place::Backbends)];
    QStringList& inversions = m_places[int(Place::Inversions)];
    if (!inversions.isEmpty()) {
        // The fish pose is the counterpose of the shoulder stand and the plough, not a backbend
        // of its own here.
        if (!backbends.removeOne(kFishPose))
            note(QStringLiteral("%1 follows the inversions as their counterpose.").arg(kFishPose));
        inversions.append(kFishPose);
    }
    orderGentlestFirst(backbends);
    orderGentlestFirst(inversions);
    bool needForwardBend = false;
    for (const QString& backbend : std::as_const(backbends)) {
        const QStringList counterposes = factsOf(backbend).counterposes;
        needForwardBend = needForwardBend || counterposes.isEmpty();
        for (const QString& counterpose : counterposes) {
            if (!m_places[int(Place::Rest)].contains(counterpose)) {
                m_places[int(Place::Rest)].append(counterpose);
                note(QStringLiteral("%1 rests the back after the backbends.").arg(counterpose));
            }
        }
    }
    QStringList& forwardBends = m_places[int(Place::ForwardBends)];
    if (needForwardBend && forwardBends.isEmpty()) {
        forwardBends.append(kForwardBend);
        note(QStringLiteral("%1 is the forward bend that balances the backbends.")
                 .arg(kForwardBend));
    }
}

ReadyMadeSession RunningOrder::build(const QString& title)
{
    for (const QString& name : std::as_const(m_asked)) {
        const PoseFacts& facts = factsOf(name);
        if (facts.level == PoseLevel::Advanced) {
            note(QStringLiteral(
                     "%1 is left out: it is an advanced %2 that needs strong wrists and arms and a "
                     "steady balance. Once a teacher has shown you how, add it to a session of "
                     "your own with Practice > New Session\u2026")
                     .arg(name, familyName(facts.family)));
            continue;
        }
        if (kWarmUp.contains(name) || name == kRest)
            continue;
        place(name);
    }
    for (const QString& name : std::as_const(m_asked))
        addPreparation(name);
    addCounterposes();

    Session session{title.trimmed(), {}};
    for (const QString& name : kWarmUp)
        session.steps.append(beginnerStep(name));
    for (const QStringList& poses : std::as_const(m_places)) {
        for (const QString& name : poses)
            session.steps.append(beginnerStep(name));
    }
    session.steps.append(beginnerStep(kRest));
    return {session, m_notes};
}

} // namespace

SessionStep beginnerStep(const QString& libraryName)
{
    SessionStep step{libraryName, 5, HoldUnit::Breaths, false};
    const PoseFacts* facts = poseFacts(libraryName);
    if (!facts)
        return step;
    step.bothSides = facts->firstSide.has_value();
    step.hold = facts->hold.from;
    step.unit = facts->hold.unit == BeginnerHold::Unit::Times ? HoldUnit::Times : HoldUnit::Seconds;
    if (libraryName == kRest)
        step.hold = kRestSeconds;
    return step;
}

ReadyMadeSession readyMadeSession(const QString& title, const QStringList& asanaNames)
{
    QStringList names;
    for (const QString& given : asanaNames) {
        const QString name = libraryAsanaName(given.trimmed());
        if (!name.isEmpty() && !names.contains(name))
            names.append(name);
    }
    return RunningOrder(names).build(title);
}

} // namespace tarvo::practice
