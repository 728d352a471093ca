#include "pictures/FigurePainter.h"
#include "pictures/Pictures.h"
#include "pictures/PoseLibrary.h"
#include "support/TestMain.h"

#include <QCryptographicHash>
#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

using namespace tarvo::pictures;

namespace {

QJsonArray catalogue(const char* relativePath)
{
    QFile file(QStringLiteral(TARVO_CONTENT_DIR "/") + QLatin1String(relativePath));
    if (!file.open(QIODevice::ReadOnly))
        return {};
    return QJsonDocument::fromJson(file.readAll()).object().value(QLatin1String("asanas")).toArray();
}

double length(QPointF a, QPointF b)
{
    return std::hypot(a.x() - b.x(), a.y() - b.y());
}

QByteArray digest(const QImage& image)
{
    return QCryptographicHash::hash(
        QByteArrayView(image.constBits(), image.sizeInBytes()), QCryptographicHash::Sha1);
}

void addPoseRows()
{
    QTest::addColumn<QString>("name");
    for (const QString& name : poseNames())
        QTest::addRow("%s", qPrintable(name)) << name;
}

} // namespace

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
        QCOMPARE(digest(chakraAsanaPicture(key, {120, 120})), digest(asanaPicture(name, {120, 120})));
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
            QCOMPARE_LT(std::abs(length(leg.root, leg.middle) - body.thigh), eps);
            QCOMPARE_LT(std::abs(length(leg.middle, leg.end) - body.shin), eps);
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
            const double gap = s.point(joint->first, joint->second).y() - halfThickness(joint->first);
            QVERIFY2(gap > -1e-6 && gap < 2.5, qPrintable(support + QStringLiteral(" %1").arg(gap)));
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
        for (Joint j : {Joint::Pelvis, Joint::Waist, Joint::Chest, Joint::NeckTop, Joint::HeadCentre,
                        Joint::Shoulder, Joint::Elbow, Joint::Wrist, Joint::Fingertip, Joint::Hip,
                        Joint::Knee, Joint::Ankle, Joint::Toe})
            for (Side side : {Side::Left, Side::Right}) {
                const QPointF p = s.point(j, side);
                const double r = halfThickness(j);
                QVERIFY(inside.contains(layout.map(p + QPointF(-r, -r))));
                QVERIFY(inside.contains(layout.map(p + QPointF(r, r))));
            }
        QCOMPARE_LE(layout.floorY(), layout.margins.bottom() + 1e-6);
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
        QTest::addRow("no view") << QByteArray(R"({"name":"X","leftArm":[0,0,0],"rightArm":[0,0,0],"leftLeg":[0,0,0],"rightLeg":[0,0,0],"supports":["pelvis"]})");
        QTest::addRow("short limb") << QByteArray(R"({"name":"X","view":"side","leftArm":[0,0],"rightArm":[0,0,0],"leftLeg":[0,0,0],"rightLeg":[0,0,0],"supports":["pelvis"]})");
        QTest::addRow("unknown joint") << QByteArray(R"({"name":"X","view":"side","leftArm":[0,0,0],"rightArm":[0,0,0],"leftLeg":[0,0,0],"rightLeg":[0,0,0],"supports":["left.tail"]})");
        QTest::addRow("no supports") << QByteArray(R"({"name":"X","view":"front","leftArm":[0,0,0],"rightArm":[0,0,0],"leftLeg":[0,0,0],"rightLeg":[0,0,0]})");
    }
    void incompleteRecordsAreRejected()
    {
        QFETCH(QByteArray, json);
        QVERIFY(!poseFromJson(QJsonDocument::fromJson(json).object()));
    }
};

TARVO_TEST_MAIN(tst_Pictures)
#include "tst_pictures.moc"
