#include "asanas/AsanaCatalogue.h"
#include "asanas/AsanaCautions.h"
#include "support/TestContext.h"
#include "support/TestMain.h"

using namespace tarvo;

Q_DECLARE_METATYPE(tarvo::Condition)

class tst_Cautions : public QObject {
    Q_OBJECT

private slots:
    void init() { test::failOnUnexpectedWarnings(); }

    // Written out from reading the cautions of all 32 records.
    void markedPoses_data()
    {
        QTest::addColumn<Condition>("condition");
        QTest::addColumn<QStringList>("poses");
        QTest::addRow("pregnancy")
            << Condition::Pregnancy
            << QStringList{"Ardhachandrasana", "Bhujangasana",      "Garudasana",
                           "Halasana",         "Kukkutasana",       "Makarasana",
                           "Mandukasana",      "Mayurasana",        "Noukasana",
                           "Padmasana",        "Paschimottanasana", "Pavanamuktasana",
                           "Sarvangasana",     "Shalabhasana",      "Shavasana",
                           "Suptavajrasana",   "Tadasana"};
        QTest::addRow("high blood pressure")
            << Condition::HighBloodPressure
            << QStringList{"Halasana",    "Kukkutasana",     "Matsyasana",   "Mayurasana",
                           "Noukasana",   "Pavanamuktasana", "Sarvangasana", "Shalabhasana",
                           "Trikonasana", "Uttanasana"};
        QTest::addRow("glaucoma") << Condition::Glaucoma
                                  << QStringList{"Halasana", "Sarvangasana", "Uttanasana"};
        QTest::addRow("neck") << Condition::Neck
                              << QStringList{"Ardhachandrasana", "Halasana",        "Makarasana",
                                             "Matsyasana",       "Pavanamuktasana", "Sarvangasana",
                                             "Shalabhasana",     "Trikonasana"};
        QTest::addRow("back") << Condition::Back
                              << QStringList{
                                     "Anjali Mudra",      "Bhujangasana",    "Halasana",
                                     "Makarasana",        "Mandukasana",     "Noukasana",
                                     "Paschimottanasana", "Pavanamuktasana", "Shalabhasana",
                                     "Shavasana",         "Siddhasana",      "Suptavajrasana",
                                     "Trikonasana",       "Uttanasana"};
        QTest::addRow("knee injury")
            << Condition::KneeInjury
            << QStringList{"Anjali Mudra", "Ardhachandrasana", "Garudasana",  "Kukkutasana",
                           "Mandukasana",  "Padmasana",        "Parvatasana", "Siddhasana",
                           "Simhasana",    "Suptavajrasana"};
        QTest::addRow("menstruation")
            << Condition::Menstruation
            << QStringList{"Halasana", "Kukkutasana", "Mayurasana", "Noukasana", "Sarvangasana"};
        QTest::addRow("heart disease")
            << Condition::HeartDisease
            << QStringList{"Bhujangasana", "Halasana",     "Kukkutasana", "Mandukasana",
                           "Matsyasana",   "Mayurasana",   "Noukasana",   "Pavanamuktasana",
                           "Sarvangasana", "Shalabhasana", "Trikonasana"};
    }

    void markedPoses()
    {
        QFETCH(Condition, condition);
        QFETCH(QStringList, poses);
        QStringList marked;
        for (const AsanaRecord& record : loadAsanaCatalogue()) {
            const QList<Caution> cautions = cautionsFor(record, {condition});
            if (cautions.isEmpty())
                continue;
            marked.append(record.name);
            QCOMPARE(cautions.size(), 1);
            QCOMPARE(cautions.first().condition, condition);
            // The reason is one sentence of the record's own cautions.
            QVERIFY(record.contradictions.contains(cautions.first().reason));
            QVERIFY(!cautions.first().reason.contains(u'\n'));
        }
        QCOMPARE(marked, poses);
    }

    // The sentence that names the condition, not merely the first of the cautions.
    void reasons_data()
    {
        QTest::addColumn<QString>("asana");
        QTest::addColumn<Condition>("condition");
        QTest::addColumn<QString>("reason");
        QTest::addRow("knee, second item") << "Anjali Mudra" << Condition::KneeInjury
                                           << "If sitting on the floor strains the knees, hips or "
                                              "lower back, sit on a folded blanket or on a firm "
                                              "chair with both feet on the floor; with a shoulder "
                                              "injury keep the elbows low and the hands close to "
                                              "the chest.";
        QTest::addRow("hypertension") << "Mayurasana" << Condition::HighBloodPressure
                                      << "Avoid Mayurasana if you have ulcers, a hernia or "
                                         "hypertension, after abdominal surgery, during pregnancy "
                                         "and menstruation, and with heart disease or injuries of "
                                         "the wrists or elbows.";
        QTest::addRow("spondylitis") << "Pavanamuktasana" << Condition::Neck
                                     << "With neck pain or spondylitis keep the head on the floor, "
                                        "and with a slipped disc, sciatica, high blood pressure or "
                                        "heart trouble practise gently and consult a physician "
                                        "first.";
        QTest::addRow("back, third sentence") << "Trikonasana" << Condition::Back
                                              << "With back or hip injuries, practise against a "
                                                 "wall and do not go deep.";
        QTest::addRow("high or low") << "Matsyasana" << Condition::HighBloodPressure
                                     << "Avoid the pose with a neck injury, high or low blood "
                                        "pressure, migraine or heart disease, and keep the weight "
                                        "on the elbows, not on the head.";
    }

    void reasons()
    {
        QFETCH(QString, asana);
        QFETCH(Condition, condition);
        QFETCH(QString, reason);
        const QList<Caution> cautions = cautionsFor(asana, {condition});
        QCOMPARE(cautions.size(), 1);
        QCOMPARE(cautions.first().reason, reason);
    }

    void severalConditionsInOrder()
    {
        const QList<Caution> cautions =
            cautionsFor(QStringLiteral("Sarvangasana"),
                        {Condition::HeartDisease, Condition::Glaucoma, Condition::KneeInjury});
        QCOMPARE(cautions.size(), 2);
        QCOMPARE(cautions.at(0).condition, Condition::Glaucoma);
        QCOMPARE(cautions.at(1).condition, Condition::HeartDisease);
        // One sentence names both: one line for the two.
        QCOMPARE(cautionMarks(cautions),
                 QStringList{"\u26a0 Glaucoma, Heart disease: Avoid it in pregnancy, during "
                             "menstruation or a migraine, and with high blood pressure, heart "
                             "disease, glaucoma, a neck injury, osteoporosis, or an enlarged "
                             "thyroid, liver or spleen."});
        const QList<Caution> two =
            cautionsFor(QStringLiteral("Trikonasana"), {Condition::Neck, Condition::Back});
        QCOMPARE(cautionMarks(two),
                 (QStringList{"\u26a0 Neck injury or problems: With a neck problem look straight "
                              "ahead or down rather than up, and with a heart condition or high "
                              "blood pressure keep the upper hand on the hip.",
                              "\u26a0 Back injury or problems: With back or hip injuries, "
                              "practise against a wall and do not go deep."}));
        QVERIFY(cautionsFor(QStringLiteral("Sarvangasana"), {}).isEmpty());
        QVERIFY(cautionsFor(QStringLiteral("Savasana"), {Condition::Back}).isEmpty());
    }

    void conditionsSurviveTheSettings()
    {
        test::MemorySettings settings;
        QVERIFY(storedConditions(settings).isEmpty());
        storeConditions(settings, {Condition::HeartDisease, Condition::Pregnancy});
        QCOMPARE(settings.values.value(QStringLiteral("Practice/Conditions")),
                 QStringLiteral("pregnancy,heart-disease"));
        QCOMPARE(storedConditions(settings),
                 (QList<Condition>{Condition::Pregnancy, Condition::HeartDisease}));
        settings.values.insert(QStringLiteral("Practice/Conditions"),
                               QStringLiteral("glaucoma,,nonsense,knee"));
        QCOMPARE(storedConditions(settings),
                 (QList<Condition>{Condition::Glaucoma, Condition::KneeInjury}));
        storeConditions(settings, {});
        QVERIFY(storedConditions(settings).isEmpty());
    }
};

TARVO_TEST_MAIN(tst_Cautions)
#include "tst_cautions.moc"
