#include "practice/ReadyMadeSession.h"

#include "asanas/AsanaCatalogue.h"
#include "pictures/Pictures.h"

namespace tarvo::practice {

namespace {

const QString kWarmUp = QStringLiteral("Tadasana");
const QString kShoulderStand = QStringLiteral("Sarvangasana");
const QString kCounterpose = QStringLiteral("Matsyasana");
const QString kRest = QStringLiteral("Shavasana");

// Held on one foot, or on the hands or the seat: counted in seconds, since the breath is not
// what a beginner can keep track of there.
const QStringList kBalances = {QStringLiteral("Ardhachandrasana"), QStringLiteral("Garudasana"),
                               QStringLiteral("Kukkutasana"),      QStringLiteral("Mayurasana"),
                               QStringLiteral("Noukasana"),        QStringLiteral("Vrikshasana")};
// Their procedures end with "repeat on the other side" (or the other leg) within one practice.
const QStringList kOneSided = {
    QStringLiteral("Ardhachandrasana"), QStringLiteral("Ardhamatsyendrasana"),
    QStringLiteral("Garudasana"),       QStringLiteral("Gomukhasana"),
    QStringLiteral("Pavanamuktasana"),  QStringLiteral("Trikonasana"),
    QStringLiteral("Vrikshasana")};
// Sitting still, where a longer hold is the point of the pose.
const QStringList kSeated = {QStringLiteral("Anjali Mudra"), QStringLiteral("Padmasana"),
                             QStringLiteral("Siddhasana"),   QStringLiteral("Vajrasana"),
                             QStringLiteral("Veerasana"),    QStringLiteral("Sarvangasana")};

} // namespace

QString libraryAsanaName(const QString& name)
{
    const QString library = pictures::libraryPoseName(name.trimmed());
    return findAsana(library) ? library : QString();
}

SessionStep defaultStep(const QString& libraryName)
{
    SessionStep step{libraryName, 6, HoldUnit::Breaths, kOneSided.contains(libraryName)};
    if (libraryName == kRest) {
        step.hold = 180;
        step.unit = HoldUnit::Seconds;
    } else if (kBalances.contains(libraryName)) {
        step.hold = 20;
        step.unit = HoldUnit::Seconds;
    } else if (kSeated.contains(libraryName)) {
        step.hold = 10;
    }
    return step;
}

Session readyMadeSession(const QString& title, const QStringList& asanaNames)
{
    QStringList names;
    for (const QString& given : asanaNames) {
        const QString name = libraryAsanaName(given);
        if (!name.isEmpty() && !names.contains(name))
            names.append(name);
    }
    // The shoulder stand goes last, with its counterpose after it; without it, a Matsyasana the
    // reading asks for keeps its place.
    const bool shoulderStand = names.removeOne(kShoulderStand);
    if (shoulderStand) {
        names.removeOne(kCounterpose);
        names.append(kShoulderStand);
        if (findAsana(kCounterpose))
            names.append(kCounterpose);
    }
    names.removeOne(kWarmUp);
    names.removeOne(kRest);

    Session session{title.trimmed(), {defaultStep(kWarmUp)}};
    for (const QString& name : std::as_const(names))
        session.steps.append(defaultStep(name));
    session.steps.append(defaultStep(kRest));
    return session;
}

} // namespace tarvo::practice
