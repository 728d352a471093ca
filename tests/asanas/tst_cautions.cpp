#include "asanas/AsanaCatalogue.h"
#include "asanas/AsanaCautions.h"
#include "support/ConditionPatterns.h"
#include "support/TestContext.h"
#include "support/TestMain.h"

#include <QRegularExpression>

using namespace tarvo;

Q_DECLARE_METATYPE(tarvo::Condition)

namespace {

// What is wrong between a pose's prose and its practice data.
QStringList problemsOf(const AsanaRecord& record, const PoseFacts& facts)
{
    QStringList problems;
    const QStringList prose =
        test::sentencesOf(record.description) + test::sentencesOf(record.procedure)
        + test::sentencesOf(record.benefits) + test::sentencesOf(record.contradictions);
    const auto held = [&](const QString& sentence, Condition condition) {
        return std::any_of(facts.notes.cbegin(), facts.notes.cend(), [&](const ConditionNote& n) {
            return n.sentence == sentence && n.condition == condition;
        });
    };
    for (const QString& sentence : prose) {
        for (Condition condition : allConditions()) {
            if (test::namesCondition(sentence, condition) && !held(sentence, condition))
                problems.append(QStringLiteral("%1 not in the data: %2")
                                    .arg(conditionKey(condition), sentence));
        }
    }
    for (const ConditionNote& note : facts.notes) {
        if (!prose.contains(note.sentence) || !test::namesCondition(note.sentence, note.condition))
            problems.append(QStringLiteral("%1 not said by: %2")
                                .arg(conditionKey(note.condition), note.sentence));
    }
    const QStringList steps = record.procedure.split(QStringLiteral("\r\n"));
    if (!test::sentencesOf(record.procedure).contains(facts.hold.sentence))
        problems.append(QStringLiteral("hold not in the procedure: ") + facts.hold.sentence);
    static const QRegularExpression timed(QStringLiteral("second|minute"));
    const bool times = facts.hold.unit == BeginnerHold::Unit::Times;
    if (facts.hold.from < 1 || facts.hold.to < facts.hold.from
        || (times ? !facts.hold.sentence.contains(u"times") || facts.hold.secondsEach < 1
                  : !facts.hold.sentence.contains(timed)))
        problems.append(QStringLiteral("hold out of shape"));
    if (facts.firstEntryStep < 1 || facts.lastEntryStep < facts.firstEntryStep
        || facts.exitStep <= facts.lastEntryStep || facts.exitStep > steps.size())
        problems.append(QStringLiteral("entry or exit steps outside the procedure"));
    if (facts.entryCue.isEmpty() || facts.exitCue.isEmpty())
        problems.append(QStringLiteral("a cue is missing"));
    for (const QString& pose : facts.preparation + facts.counterposes) {
        if (!findAsana(pose))
            problems.append(QStringLiteral("no pose ") + pose);
    }
    // Exactly the poses whose procedure ends by repeating them on the other side have a first
    // side (the locust's one-leg lifts lead up to the pose; they are not its sides).
    static const QRegularExpression otherSide(
        QStringLiteral("repeat (on the (other|left|right) side|with the (left|right) leg"
                       "|standing on the (left|right) leg|with legs and arms reversed"
                       "|with the legs crossed the other way)"),
        QRegularExpression::CaseInsensitiveOption);
    if (facts.firstSide.has_value() != steps.mid(facts.exitStep - 1).join(u' ').contains(otherSide))
        problems.append(QStringLiteral("first side does not follow the procedure"));
    return problems;
}

} // namespace

class tst_Cautions : public QObject {
    Q_OBJECT

private slots:
    void init() { test::failOnUnexpectedWarnings(); }

    void dataFollowsTheProse_data()
    {
        QTest::addColumn<AsanaRecord>("record");
        QTest::addColumn<QString>("problem");
        QCOMPARE(allPoseFacts().size(), loadAsanaCatalogue().size());
        for (const AsanaRecord& record : loadAsanaCatalogue())
            QTest::addRow("%s", qPrintable(record.name)) << record << QString();
        // The test itself: a condition planted in a page, and a sentence the page does not say.
        AsanaRecord planted = loadAsanaCatalogue().at(30);
        planted.benefits += QStringLiteral(" Not for anyone prone to epilepsy.");
        QTest::addRow("planted condition") << planted << QStringLiteral("epilepsy not in the data");
        AsanaRecord unsaid = loadAsanaCatalogue().at(4);
        unsaid.procedure.replace(QStringLiteral("a hernia, "), QString());
        QTest::addRow("sentence not said") << unsaid << QStringLiteral("hernia not said by");
    }

    void dataFollowsTheProse()
    {
        QFETCH(AsanaRecord, record);
        QFETCH(QString, problem);
        const PoseFacts* facts = poseFacts(record.name);
        QVERIFY(facts);
        const QStringList problems = problemsOf(record, *facts);
        if (problem.isEmpty())
            QCOMPARE(problems, QStringList());
        else
            QVERIFY2(problems.join(u'\n').contains(problem), qPrintable(problems.join(u'\n')));
    }

    // Written out from reading the texts of all 32 poses: which each condition rules out, and
    // which it asks care for.
    void markedPoses_data()
    {
        QTest::addColumn<Condition>("condition");
        QTest::addColumn<QStringList>("avoid");
        QTest::addColumn<QStringList>("care");
        QTest::addRow("pregnancy")
            << Condition::Pregnancy
            << QStringList{"Ardhamatsyendrasana", "Bhujangasana", "Dhanurasana",     "Halasana",
                           "Kukkutasana",         "Makarasana",   "Mandukasana",     "Matsyasana",
                           "Mayurasana",          "Noukasana",    "Pavanamuktasana", "Sarvangasana",
                           "Shalabhasana",        "Ustrasana",    "Yoga Mudra"}
            << QStringList{"Ardhachandrasana", "Garudasana",     "Padmasana", "Paschimottanasana",
                           "Shavasana",        "Suptavajrasana", "Tadasana"};
        QTest::addRow("high blood pressure")
            << Condition::HighBloodPressure
            << QStringList{"Dhanurasana", "Halasana",   "Kukkutasana",
                           "Matsyasana",  "Mayurasana", "Sarvangasana"}
            << QStringList{"Noukasana", "Pavanamuktasana", "Shalabhasana", "Trikonasana",
                           "Ustrasana", "Uttanasana",      "Vrikshasana",  "Yoga Mudra"};
        QTest::addRow("low blood pressure")
            << Condition::LowBloodPressure
            << QStringList{"Ardhachandrasana", "Matsyasana", "Trikonasana"}
            << QStringList{"Simhasana", "Tadasana", "Ustrasana", "Uttanasana", "Vrikshasana"};
        QTest::addRow("heart disease")
            << Condition::HeartDisease
            << QStringList{"Dhanurasana", "Halasana",     "Kukkutasana", "Matsyasana",
                           "Mayurasana",  "Sarvangasana", "Ustrasana"}
            << QStringList{"Bhujangasana", "Mandukasana", "Noukasana", "Pavanamuktasana",
                           "Shalabhasana", "Trikonasana", "Yoga Mudra"};
        QTest::addRow("glaucoma") << Condition::Glaucoma
                                  << QStringList{"Halasana", "Sarvangasana", "Uttanasana"}
                                  << QStringList{"Yoga Mudra"};
        QTest::addRow("migraine") << Condition::Migraine
                                  << QStringList{"Ardhachandrasana", "Dhanurasana",  "Halasana",
                                                 "Matsyasana",       "Sarvangasana", "Trikonasana",
                                                 "Ustrasana"}
                                  << QStringList{"Tadasana", "Yoga Mudra"};
        QTest::addRow("neck") << Condition::Neck
                              << QStringList{"Dhanurasana", "Halasana", "Matsyasana",
                                             "Sarvangasana"}
                              << QStringList{"Ardhachandrasana", "Makarasana",  "Pavanamuktasana",
                                             "Shalabhasana",     "Trikonasana", "Ustrasana"};
        QTest::addRow("back")
            << Condition::Back
            << QStringList{"Ardhamatsyendrasana", "Dhanurasana", "Halasana",
                           "Matsyasana",          "Noukasana",   "Paschimottanasana",
                           "Suptavajrasana",      "Yoga Mudra"}
            << QStringList{"Anjali Mudra",    "Bhujangasana", "Makarasana", "Mandukasana",
                           "Pavanamuktasana", "Shalabhasana", "Shavasana",  "Siddhasana",
                           "Trikonasana",     "Ustrasana",    "Uttanasana"};
        QTest::addRow("knee") << Condition::KneeInjury
                              << QStringList{"Ardhachandrasana", "Garudasana",     "Kukkutasana",
                                             "Padmasana",        "Suptavajrasana", "Ustrasana",
                                             "Vajrasana",        "Yoga Mudra"}
                              << QStringList{"Anjali Mudra", "Gomukhasana", "Mandukasana",
                                             "Matsyasana",   "Parvatasana", "Siddhasana",
                                             "Simhasana",    "Veerasana",   "Vrikshasana"};
        QTest::addRow("wrist") << Condition::WristInjury << QStringList{"Kukkutasana", "Mayurasana"}
                               << QStringList{"Anjali Mudra"};
        QTest::addRow("shoulder") << Condition::ShoulderInjury << QStringList{}
                                  << QStringList{"Anjali Mudra", "Garudasana", "Gomukhasana",
                                                 "Parvatasana"};
        QTest::addRow("hernia") << Condition::Hernia
                                << QStringList{"Ardhamatsyendrasana", "Bhujangasana",
                                               "Dhanurasana",         "Halasana",
                                               "Makarasana",          "Mandukasana",
                                               "Mayurasana",          "Noukasana",
                                               "Paschimottanasana",   "Pavanamuktasana",
                                               "Shalabhasana",        "Ustrasana",
                                               "Yoga Mudra"}
                                << QStringList{"Matsyasana"};
        QTest::addRow("ulcer") << Condition::StomachUlcer
                               << QStringList{"Dhanurasana", "Mayurasana", "Shalabhasana"}
                               << QStringList{"Bhujangasana", "Mandukasana"};
        QTest::addRow("osteoporosis")
            << Condition::Osteoporosis << QStringList{"Halasana", "Sarvangasana"}
            << QStringList{"Ardhachandrasana", "Uttanasana"};
        QTest::addRow("epilepsy") << Condition::Epilepsy << QStringList{} << QStringList{};
        QTest::addRow("menstruation")
            << Condition::Menstruation << QStringList{"Dhanurasana", "Halasana",  "Kukkutasana",
                                                      "Mayurasana",  "Noukasana", "Sarvangasana"}
            << QStringList{"Yoga Mudra"};
    }

    void markedPoses()
    {
        QFETCH(Condition, condition);
        QFETCH(QStringList, avoid);
        QFETCH(QStringList, care);
        QStringList ruledOut;
        QStringList careful;
        for (const AsanaRecord& record : loadAsanaCatalogue()) {
            const QList<Caution> cautions = cautionsFor(record.name, {condition});
            if (cautions.isEmpty())
                continue;
            (rulesOut(cautions) ? ruledOut : careful).append(record.name);
            for (const Caution& caution : cautions) {
                QCOMPARE(caution.condition, condition);
                QVERIFY(test::namesCondition(caution.reason, condition));
            }
        }
        QCOMPARE(ruledOut, avoid);
        QCOMPARE(careful, care);
    }

    void marksSayWhatToDo()
    {
        // The strongest advice of each condition, one line a sentence.
        QCOMPARE(cautionMarks(cautionsFor(QStringLiteral("Yoga Mudra"),
                                          {Condition::Pregnancy, Condition::Migraine})),
                 QStringList{"\u26a0 Avoid with Pregnancy; take care with Migraine or headache: "
                             "Choose another pose in pregnancy, after recent abdominal surgery "
                             "and with a slipped disc, sciatica or a serious back, knee or hip "
                             "injury; with high blood pressure, glaucoma, heart disease or "
                             "migraine, or during menstruation, bend forward only a little and do "
                             "not stay down for long."});
        const QList<Caution> bow = cautionsFor(QStringLiteral("Dhanurasana"), {Condition::Back});
        QCOMPARE(bow.size(), 1);
        QCOMPARE(bow.first().advice, Advice::Avoid);
        QVERIFY(cautionMarks(cautionsFor(QStringLiteral("Vajrasana"), {Condition::KneeInjury}))
                    .first()
                    .startsWith(QStringLiteral("\u26a0 Avoid with Knee injury: Do not sit in")));
        QVERIFY(cautionsFor(QStringLiteral("Shavasana"), {Condition::HighBloodPressure}).isEmpty());
        QVERIFY(cautionsFor(QStringLiteral("Savasana"), {Condition::Back}).isEmpty());
    }

    void conditionsSurviveTheSettings_data()
    {
        QTest::addColumn<QString>("stored");
        QTest::addColumn<QList<Condition>>("read");
        QTest::addRow("as written")
            << "pregnancy,heart-disease"
            << QList<Condition>{Condition::Pregnancy, Condition::HeartDisease};
        QTest::addRow("by hand, spaced")
            << " neck , pregnancy" << QList<Condition>{Condition::Pregnancy, Condition::Neck};
        QTest::addRow("junk") << "glaucoma,,nonsense,knee,knee"
                              << QList<Condition>{Condition::Glaucoma, Condition::KneeInjury};
        QTest::addRow("empty") << "" << QList<Condition>{};
    }

    void conditionsSurviveTheSettings()
    {
        QFETCH(QString, stored);
        QFETCH(QList<Condition>, read);
        test::MemorySettings settings;
        settings.values.insert(QStringLiteral("Practice/Conditions"), stored);
        QCOMPARE(storedConditions(settings), read);
        storeConditions(settings, read);
        QCOMPARE(storedConditions(settings), read);
    }
};

TARVO_TEST_MAIN(tst_Cautions)
#include "tst_cautions.moc"
