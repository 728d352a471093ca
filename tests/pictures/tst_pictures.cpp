#include "pictures/FigurePainter.h"
#include "pictures/Pictures.h"
#include "pictures/PoseLibrary.h"
#include "support/TestMain.h"

#include <QCryptographicHash>
#include <QDir>
#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QtMath>
#include <algorithm>

using namespace tarvo::pictures;

namespace {

QJsonArray catalogue(const char* relativePath)
{
    QFile file(QStringLiteral(TARVO_CONTENT_DIR "/") + QLatin1String(relativePath));
    if (!file.open(QIODevice::ReadOnly))
        return {};
    return QJsonDocument::fromJson(file.readAll())
        .object()
        .value(QLatin1String("asanas"))
        .toArray();
}

double length(QPointF a, QPointF b)
{
    return std::hypot(a.x() - b.x(), a.y() - b.y());
}

// Shortest distance from p to the segment a-b, and how far along it (0 at a, 1 at b) that is.
std::pair<double, double> distanceToSegment(QPointF p, QPointF a, QPointF b)
{
    const QPointF ab = b - a;
    const double t =
        std::clamp(QPointF::dotProduct(p - a, ab) / QPointF::dotProduct(ab, ab), 0.0, 1.0);
    return {length(p, a + ab * t), t};
}

// The drawn half width of a bone, which the painter strokes at the thinner of its two ends.
double boneHalfWidth(Joint from, Joint to)
{
    return std::min(halfThickness(from), halfThickness(to));
}

Skeleton::Limb limbOf(const Skeleton& s, bool arm, Side side)
{
    return (arm ? s.arms : s.legs)[static_cast<std::size_t>(side)];
}

QByteArray digest(const QImage& image)
{
    return QCryptographicHash::hash(QByteArrayView(image.constBits(), image.sizeInBytes()),
                                    QCryptographicHash::Sha1);
}

void addPoseRows()
{
    QTest::addColumn<QString>("name");
    for (const QString& name : poseNames())
        QTest::addRow("%s", qPrintable(name)) << name;
}

// What a picture must show of its pose's own steps; empty when it does, else what is wrong.
using StepCheck = QString (*)(const Skeleton&);

bool touches(QPointF p, double radius, QPointF a, QPointF b, double boneHalf)
{
    return distanceToSegment(p, a, b).first < radius + boneHalf + 1.0;
}

QString feetTogether(const Skeleton& s)
{
    const double apart = length(s.legs[0].end, s.legs[1].end);
    return apart <= 2 * halfThickness(Joint::Ankle) + 0.5
               ? QString()
               : QStringLiteral("ankles %1 apart").arg(apart);
}

QString bothKneesHugged(const Skeleton& s)
{
    for (const auto& leg : s.legs) {
        if (leg.middle.y() - leg.root.y() < 10)
            return QStringLiteral("a knee is not drawn up to the chest");
    }
    return {};
}

QString heelAboveHeel(const Skeleton& s)
{
    const QPointF lower = s.legs[0].end.y() < s.legs[1].end.y() ? s.legs[0].end : s.legs[1].end;
    const QPointF upper = s.legs[0].end.y() < s.legs[1].end.y() ? s.legs[1].end : s.legs[0].end;
    if (std::abs(upper.x() - lower.x()) > 3)
        return QStringLiteral("the heels are side by side");
    if (upper.y() - lower.y() < 2 * halfThickness(Joint::Ankle) - 0.5)
        return QStringLiteral("one heel is not above the other");
    return {};
}

QString handsOnTheThighs(const Skeleton& s)
{
    for (std::size_t i = 0; i < 2; ++i) {
        if (!touches(s.arms[i].tip, halfThickness(Joint::Fingertip), s.legs[i].root,
                     s.legs[i].middle, boneHalfWidth(Joint::Hip, Joint::Knee)))
            return QStringLiteral("a hand is off the thigh");
    }
    return {};
}

QString elbowsAtShoulderHeightHandsOffTheFace(const Skeleton& s)
{
    for (const auto& arm : s.arms) {
        if (std::abs(arm.middle.y() - arm.root.y()) > 3)
            return QStringLiteral("an elbow is not at shoulder height");
        if (QPointF::dotProduct(arm.end - s.headCentre, s.face)
            < halfThickness(Joint::HeadCentre) + 5)
            return QStringLiteral("a hand is at the face");
    }
    return {};
}

QString backFootTurnedIn(const Skeleton& s)
{
    // The trunk leans over the front leg.
    const std::size_t front =
        std::abs(s.legs[0].end.x() - s.chest.x()) < std::abs(s.legs[1].end.x() - s.chest.x()) ? 0
                                                                                              : 1;
    const auto& back = s.legs[1 - front];
    const double towardsFront = s.legs[front].end.x() - back.end.x();
    return (back.tip.x() - back.end.x()) * towardsFront > 0
               ? QString()
               : QStringLiteral("the back foot turns out");
}

QString wristHeldBehindTheBack(const Skeleton& s)
{
    for (const auto& arm : s.arms) {
        const bool onTheBack = touches(arm.end, halfThickness(Joint::Wrist), s.pelvis, s.waist,
                                       halfThickness(Joint::Waist))
                               || touches(arm.end, halfThickness(Joint::Wrist), s.waist, s.chest,
                                          halfThickness(Joint::Waist));
        if (!onTheBack)
            return QStringLiteral("a wrist is away from the back");
    }
    return {};
}

} // namespace

Q_DECLARE_METATYPE(StepCheck)

class tst_Pictures final : public QObject {
    Q_OBJECT

private slots:
    void init() { tarvo::test::failOnUnexpectedWarnings(); }

    void libraryNamesMatchTheCatalogue()
    {
        const QJsonArray asanas = catalogue("asanas/catalogue.json");
        QStringList names;
        for (const QJsonValue& asana : asanas)
            names.append(asana.toObject().value(QLatin1String("name")).toString());
        QCOMPARE(poseNames(), names);
    }

    void everyCatalogueEntryResolves_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("library");
        for (const QJsonValue& asana : catalogue("zodiac/asanas.json")) {
            const QString name = asana.toObject().value(QLatin1String("name")).toString();
            QTest::addRow("zodiac %s", qPrintable(name)) << name << libraryPoseName(name);
        }
        QCOMPARE(catalogue("zodiac/asanas.json").size(), 14);
    }
    void everyCatalogueEntryResolves()
    {
        QFETCH(QString, name);
        QFETCH(QString, library);
        QVERIFY2(!library.isEmpty(), qPrintable(name));
        QVERIFY(findPose(library));
        QVERIFY(!asanaPicture(name, {250, 250}).isNull());
    }

    void chakraKeysResolve_data()
    {
        QTest::addColumn<QString>("key");
        QTest::addColumn<QString>("name");
        const QJsonArray asanas = catalogue("chakra/asanas.json");
        QCOMPARE(asanas.size(), 11);
        for (const QJsonValue& asana : asanas) {
            const QJsonObject record = asana.toObject();
            const QString key = record.value(QLatin1String("imageKey")).toString();
            QTest::addRow("%s", qPrintable(key))
                << key << record.value(QLatin1String("name")).toString();
        }
    }
    void chakraKeysResolve()
    {
        QFETCH(QString, key);
        QFETCH(QString, name);
        QCOMPARE(chakraPoseName(key), name);
        QCOMPARE(digest(chakraAsanaPicture(key, {120, 120})),
                 digest(asanaPicture(name, {120, 120})));
    }

    void unknownNamesGiveNoPicture()
    {
        QVERIFY(asanaPicture(QStringLiteral("Headstand"), {250, 250}).isNull());
        QVERIFY(asanaPicture(QStringLiteral("tadasana"), {250, 250}).isNull());
        QVERIFY(asanaPicture(QStringLiteral("01Mandukasana.jpg"), {250, 250}).isNull());
        QVERIFY(chakraAsanaPicture(QStringLiteral("Mandukasana"), {250, 250}).isNull());
        QVERIFY(chakraAsanaPicture(QStringLiteral("12Headstand.jpg"), {250, 250}).isNull());
        QVERIFY(signPicture(12, {100, 100}).isNull());
        QVERIFY(signPicture(-1, {100, 100}).isNull());
        QVERIFY(asanaPicture(QStringLiteral("Tadasana"), {0, 250}).isNull());
    }

    void limbLengthsStayFixed_data() { addPoseRows(); }
    void limbLengthsStayFixed()
    {
        QFETCH(QString, name);
        const Pose* pose = findPose(name);
        QVERIFY(pose);
        const Proportions body;
        const Skeleton s = solve(*pose, body);
        const double eps = 1e-6;
        QCOMPARE_LT(std::abs(length(s.pelvis, s.waist) - body.lowerTorso), eps);
        QCOMPARE_LT(std::abs(length(s.waist, s.chest) - body.upperTorso), eps);
        QCOMPARE_LT(std::abs(length(s.chest, s.neckTop) - body.neck), eps);
        QCOMPARE_LT(std::abs(length(s.neckTop, s.headCentre) - body.headRadius), eps);
        for (std::size_t i = 0; i < 2; ++i) {
            const auto& arm = s.arms[i];
            const auto& leg = s.legs[i];
            QCOMPARE_LT(std::abs(length(arm.root, arm.middle) - body.upperArm), eps);
            QCOMPARE_LT(std::abs(length(arm.middle, arm.end) - body.forearm), eps);
            QCOMPARE_LT(std::abs(length(arm.end, arm.tip) - body.hand), eps);
            // A thigh or shin turned out of the picture plane is seen shortened by the cosine.
            QCOMPARE_LT(std::abs(length(leg.root, leg.middle)
                                 - body.thigh * std::cos(qDegreesToRadians(pose->thighDepth))),
                        eps);
            QCOMPARE_LT(std::abs(length(leg.middle, leg.end)
                                 - body.shin * std::cos(qDegreesToRadians(pose->shinDepth))),
                        eps);
            QCOMPARE_LT(std::abs(length(leg.end, leg.tip) - body.foot(pose->view)), eps);
        }
    }

    // The weight-bearing parts named by each pose rest on the floor, and nothing sinks below it.
    void supportsTouchTheFloor_data() { addPoseRows(); }
    void supportsTouchTheFloor()
    {
        QFETCH(QString, name);
        const Pose* pose = findPose(name);
        QVERIFY(pose);
        const Skeleton s = solve(*pose);
        for (const QString& support : pose->supports) {
            const auto joint = jointByName(support);
            QVERIFY(joint);
            const double gap =
                s.point(joint->first, joint->second).y() - halfThickness(joint->first);
            QVERIFY2(gap > -1e-6 && gap < 2.5,
                     qPrintable(support + QStringLiteral(" %1").arg(gap)));
        }
    }

    void jointsStayInsideTheMargins_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QSizeF>("size");
        for (const QString& name : poseNames()) {
            QTest::addRow("%s 250", qPrintable(name)) << name << QSizeF(250, 250);
            QTest::addRow("%s wide", qPrintable(name)) << name << QSizeF(320, 90);
        }
    }
    void jointsStayInsideTheMargins()
    {
        QFETCH(QString, name);
        QFETCH(QSizeF, size);
        const Skeleton s = solve(*findPose(name));
        const FigureLayout layout = layoutFigure(s, QRectF(QPointF(), size));
        QVERIFY(QRectF(QPointF(), size).contains(layout.margins));
        const QRectF inside = layout.margins.adjusted(-1e-6, -1e-6, 1e-6, 1e-6);
        for (Joint j : {Joint::Pelvis, Joint::Waist, Joint::Chest, Joint::NeckTop,
                        Joint::HeadCentre, Joint::Shoulder, Joint::Elbow, Joint::Wrist,
                        Joint::Fingertip, Joint::Hip, Joint::Knee, Joint::Ankle, Joint::Toe})
            for (Side side : {Side::Left, Side::Right}) {
                const QPointF p = s.point(j, side);
                const double r = halfThickness(j);
                QVERIFY(inside.contains(layout.map(p + QPointF(-r, -r))));
                QVERIFY(inside.contains(layout.map(p + QPointF(r, r))));
            }
        QCOMPARE_LE(layout.floorY(), layout.margins.bottom() + 1e-6);
    }

    // The weight of the body acts over what it stands, sits or lies on, or the figure would
    // topple: a balance on the hands must carry the hips over the hands.
    void weightRestsOverTheSupports_data() { addPoseRows(); }
    void weightRestsOverTheSupports()
    {
        QFETCH(QString, name);
        const Pose* pose = findPose(name);
        QVERIFY(pose);
        const Skeleton s = solve(*pose);
        double from = 1e9, to = -1e9;
        for (const QString& support : pose->supports) {
            const auto joint = jointByName(support);
            const double x = s.point(joint->first, joint->second).x();
            from = std::min(from, x - halfThickness(joint->first));
            to = std::max(to, x + halfThickness(joint->first));
        }
        const double x = centreOfMass(s).x();
        QVERIFY2(x >= from && x <= to,
                 qPrintable(QStringLiteral("%1 outside %2..%3").arg(x).arg(from).arg(to)));
    }

    void centreOfMassFollowsTheBody()
    {
        // Moving one arm forward moves the weight forward, by the arm's share of the mass.
        Pose pose = *findPose(QStringLiteral("Tadasana"));
        pose.view = View::Side;
        pose.arms = {};
        const double hanging = centreOfMass(solve(pose)).x();
        pose.arms[0].root = 90;
        const double raised = centreOfMass(solve(pose)).x();
        const Proportions body;
        // The shares add up to the whole body; each arm part moves forward by its middle's reach.
        const double expected =
            (0.028 * body.upperArm / 2 + 0.016 * (body.upperArm + body.forearm / 2)
             + 0.006 * (body.upperArm + body.forearm + body.hand / 2));
        QVERIFY(std::abs((raised - hanging) - expected) < 1e-6);
        QCOMPARE_GT(raised, hanging);
    }

    // Arms raised overhead frame the head, upper arms by the ears, and the hands meet above it.
    void raisedArmsFrameTheHead_data()
    {
        QTest::addColumn<QString>("name");
        for (const char* name : {"Tadasana", "Parvatasana", "Vrikshasana"})
            QTest::addRow("%s", name) << QString::fromLatin1(name);
    }
    void raisedArmsFrameTheHead()
    {
        QFETCH(QString, name);
        const Skeleton s = solve(*findPose(name));
        const double head = halfThickness(Joint::HeadCentre);
        const double crown = s.headCentre.y() + head;
        for (Side side : {Side::Left, Side::Right}) {
            const auto arm = limbOf(s, true, side);
            const std::pair<QPointF, QPointF> bones[] = {
                {arm.root, arm.middle}, {arm.middle, arm.end}, {arm.end, arm.tip}};
            const double widths[] = {boneHalfWidth(Joint::Shoulder, Joint::Elbow),
                                     boneHalfWidth(Joint::Elbow, Joint::Wrist),
                                     boneHalfWidth(Joint::Wrist, Joint::Fingertip)};
            for (int i = 0; i < 3; ++i) {
                const double gap =
                    distanceToSegment(s.headCentre, bones[i].first, bones[i].second).first - head
                    - widths[i];
                QVERIFY2(
                    gap > -0.25,
                    qPrintable(QStringLiteral("bone %1 covers the head by %2").arg(i).arg(-gap)));
            }
            QCOMPARE_GT(arm.end.y(), crown);
            QCOMPARE_GT(arm.middle.y(),
                        s.headCentre.y()); // the elbows beside the head, not below it
        }
        const double handsApart = length(s.arms[0].tip, s.arms[1].tip);
        QCOMPARE_LT(handsApart, 2 * halfThickness(Joint::Fingertip) + 1.0);
    }

    // The raised sole presses the inner thigh of the standing leg, high up and never the knee.
    void treePoseFootOnTheInnerThigh()
    {
        const Skeleton s = solve(*findPose(QStringLiteral("Vrikshasana")));
        const auto standing = limbOf(s, false, Side::Left);
        const auto raised = limbOf(s, false, Side::Right);
        // the left foot is on the floor
        QVERIFY(std::min(standing.end.y() - halfThickness(Joint::Ankle),
                         standing.tip.y() - halfThickness(Joint::Toe))
                < 1e-6);
        const double kneeTop = standing.middle.y() + halfThickness(Joint::Knee);
        QCOMPARE_GT(raised.end.y() - halfThickness(Joint::Ankle), kneeTop);
        QCOMPARE_GT(raised.tip.y() - halfThickness(Joint::Toe), kneeTop);
        const auto [distance, along] =
            distanceToSegment(raised.end, standing.root, standing.middle);
        QVERIFY2(distance
                     < boneHalfWidth(Joint::Hip, Joint::Knee) + halfThickness(Joint::Ankle) + 0.5,
                 qPrintable(QString::number(distance)));
        QCOMPARE_LT(along, 0.5); // the heel near the groin
        // the sole is on the inside of the thigh, towards the raised leg
        QCOMPARE_LT(raised.end.x(), standing.root.x());
    }

    // In the lotus each foot rests on the other thigh, off the floor.
    void lotusFeetRestOnTheOtherThigh_data()
    {
        QTest::addColumn<QString>("name");
        for (const char* name : {"Padmasana", "Parvatasana", "Kukkutasana"})
            QTest::addRow("%s", name) << QString::fromLatin1(name);
    }
    void lotusFeetRestOnTheOtherThigh()
    {
        QFETCH(QString, name);
        const Skeleton s = solve(*findPose(name));
        for (Side side : {Side::Left, Side::Right}) {
            const auto leg = limbOf(s, false, side);
            const auto other = limbOf(s, false, side == Side::Left ? Side::Right : Side::Left);
            const double floor = std::min({s.pelvis.y() - halfThickness(Joint::Pelvis),
                                           s.legs[0].middle.y() - halfThickness(Joint::Knee),
                                           s.arms[0].end.y() - halfThickness(Joint::Wrist)});
            QCOMPARE_GT(leg.end.y() - halfThickness(Joint::Ankle) - floor, 2.0);
            QCOMPARE_GT(leg.tip.y() - halfThickness(Joint::Toe) - floor, 2.0);
            const auto [distance, along] = distanceToSegment(leg.end, other.root, other.middle);
            QVERIFY2(distance < boneHalfWidth(Joint::Hip, Joint::Knee) + halfThickness(Joint::Ankle)
                                    + 1.0,
                     qPrintable(QString::number(distance)));
            // on top of the thigh, not under it
            QCOMPARE_GT(leg.end.y(), (other.root + (other.middle - other.root) * along).y());
        }
    }

    // Each of these pictures once showed something its own procedure does not say.
    void picturesFollowTheirSteps_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<StepCheck>("check");
        QTest::addRow("Tadasana") << QStringLiteral("Tadasana") << StepCheck(feetTogether);
        QTest::addRow("Pavanamuktasana")
            << QStringLiteral("Pavanamuktasana") << StepCheck(bothKneesHugged);
        QTest::addRow("Siddhasana") << QStringLiteral("Siddhasana") << StepCheck(heelAboveHeel);
        QTest::addRow("Suptavajrasana")
            << QStringLiteral("Suptavajrasana") << StepCheck(handsOnTheThighs);
        QTest::addRow("Garudasana")
            << QStringLiteral("Garudasana") << StepCheck(elbowsAtShoulderHeightHandsOffTheFace);
        QTest::addRow("Trikonasana")
            << QStringLiteral("Trikonasana") << StepCheck(backFootTurnedIn);
        QTest::addRow("Yoga Mudra")
            << QStringLiteral("Yoga Mudra") << StepCheck(wristHeldBehindTheBack);
    }
    void picturesFollowTheirSteps()
    {
        QFETCH(QString, name);
        QFETCH(StepCheck, check);
        const QString problem = check(solve(*findPose(name)));
        QVERIFY2(problem.isEmpty(), qPrintable(problem));
    }

    // A screen reader names each picture as the library does, in Sanskrit and in English.
    void descriptionsUseTheLibraryNames()
    {
        const QJsonArray asanas = catalogue("asanas/catalogue.json");
        QCOMPARE(asanas.size(), poseNames().size());
        for (const QJsonValue& asana : asanas) {
            const QJsonObject record = asana.toObject();
            const QString name = record.value(QLatin1String("name")).toString();
            const QString english = record.value(QLatin1String("englishName")).toString();
            const QString description = asanaPictureDescription(name);
            QVERIFY2(description.startsWith(name + QStringLiteral(", ") + english
                                            + QStringLiteral(": ")),
                     qPrintable(description));
        }
    }

    // The descriptions live in the pose records, one each, and are what a screen reader hears.
    void poseRecordsHoldTheirDescriptions()
    {
        const QDir poses(QStringLiteral(TARVO_CONTENT_DIR "/poses"));
        const QStringList files = poses.entryList({QStringLiteral("*.json")}, QDir::Files);
        QCOMPARE(files.size(), 32);
        for (const QString& file : files) {
            QFile json(poses.filePath(file));
            QVERIFY(json.open(QIODevice::ReadOnly));
            const QJsonObject record = QJsonDocument::fromJson(json.readAll()).object();
            const QString name = record.value(QLatin1String("name")).toString();
            const QString description = record.value(QLatin1String("description")).toString();
            QVERIFY2(description.size() > name.size() + 20, qPrintable(file));
            QCOMPARE(asanaPictureDescription(name), description);
        }
        QCOMPARE(
            asanaPictureDescription(QStringLiteral("Anjali Mudra")),
            QStringLiteral("Anjali Mudra, Salutation Seal: sitting cross-legged, upright, with the "
                           "palms pressed together before the chest"));
        QCOMPARE(
            asanaPictureDescription(QStringLiteral("Yoga Mudra")),
            QStringLiteral(
                "Yoga Mudra, Scaling Pose: sitting cross-legged and bending forward until "
                "the forehead nears the floor, one hand holding the other wrist behind the back"));
        QCOMPARE(asanaPictureDescription(QStringLiteral("Savasana")),
                 QStringLiteral(
                     "Shavasana, Corpse Pose: lying flat on the back, completely relaxed, the "
                     "arms a little away from the body"));
        QCOMPARE(asanaPictureDescription(QStringLiteral("Sukhasana")), QString());
    }

    void depthOutsideTheQuarterTurnIsRejected()
    {
        const QByteArray base =
            R"({"name":"X","view":"front","leftArm":[0,0,0],"rightArm":[0,0,0],"leftLeg":[0,0,0],"rightLeg":[0,0,0],"supports":["pelvis"],)";
        QVERIFY(poseFromJson(QJsonDocument::fromJson(base + R"("thighDepth":60})").object()));
        QVERIFY(!poseFromJson(QJsonDocument::fromJson(base + R"("thighDepth":90})").object()));
        QVERIFY(!poseFromJson(QJsonDocument::fromJson(base + R"("shinDepth":-5})").object()));
    }

    void distinctPosesDrawDistinctPictures()
    {
        QSet<QByteArray> seen;
        for (const QString& name : poseNames())
            seen.insert(digest(asanaPicture(name, {120, 120})));
        for (int sign = 0; sign < 12; ++sign)
            seen.insert(digest(signPicture(sign, {120, 120})));
        for (ProgramPicture which : {ProgramPicture::LearnYoga, ProgramPicture::ZodiacYoga,
                                     ProgramPicture::ChakraYoga, ProgramPicture::Emblem})
            seen.insert(digest(programPicture(which, {120, 120})));
        QCOMPARE(seen.size(), 32 + 12 + 4);
    }

    void aliasesDrawTheLibraryPose_data()
    {
        QTest::addColumn<QString>("alias");
        QTest::addColumn<QString>("name");
        QTest::addRow("Savasana") << QStringLiteral("Savasana") << QStringLiteral("Shavasana");
        QTest::addRow("Paschimottasana")
            << QStringLiteral("Paschimottasana") << QStringLiteral("Paschimottanasana");
        QTest::addRow("Naukasana") << QStringLiteral("Naukasana") << QStringLiteral("Noukasana");
    }
    void aliasesDrawTheLibraryPose()
    {
        QFETCH(QString, alias);
        QFETCH(QString, name);
        QCOMPARE(digest(asanaPicture(alias, {100, 100})), digest(asanaPicture(name, {100, 100})));
    }

    void picturesAreSharpOnHighDensityScreens()
    {
        const QImage image = asanaPicture(QStringLiteral("Tadasana"), {250, 250}, 2.0);
        QCOMPARE(image.size(), QSize(500, 500));
        QCOMPARE(image.devicePixelRatio(), 2.0);
        QCOMPARE(image.deviceIndependentSize(), QSizeF(250, 250));
        QCOMPARE(signPicture(4, {40, 40}, 1.5).size(), QSize(60, 60));
        QCOMPARE(programPicture(ProgramPicture::Emblem, {64, 64}, 2.0).devicePixelRatio(), 2.0);
    }

    void incompleteRecordsAreRejected_data()
    {
        QTest::addColumn<QByteArray>("json");
        QTest::addRow("no view") << QByteArray(
            R"({"name":"X","leftArm":[0,0,0],"rightArm":[0,0,0],"leftLeg":[0,0,0],"rightLeg":[0,0,0],"supports":["pelvis"]})");
        QTest::addRow("short limb") << QByteArray(
            R"({"name":"X","view":"side","leftArm":[0,0],"rightArm":[0,0,0],"leftLeg":[0,0,0],"rightLeg":[0,0,0],"supports":["pelvis"]})");
        QTest::addRow("unknown joint") << QByteArray(
            R"({"name":"X","view":"side","leftArm":[0,0,0],"rightArm":[0,0,0],"leftLeg":[0,0,0],"rightLeg":[0,0,0],"supports":["left.tail"]})");
        QTest::addRow("no supports") << QByteArray(
            R"({"name":"X","view":"front","leftArm":[0,0,0],"rightArm":[0,0,0],"leftLeg":[0,0,0],"rightLeg":[0,0,0]})");
    }
    void incompleteRecordsAreRejected()
    {
        QFETCH(QByteArray, json);
        QVERIFY(!poseFromJson(QJsonDocument::fromJson(json).object()));
    }
};

TARVO_TEST_MAIN(tst_Pictures)
#include "tst_pictures.moc"
