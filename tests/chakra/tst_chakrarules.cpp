#include "chakra/ChakraAsanas.h"
#include "chakra/ChakraPage.h"
#include "chakra/ChakraQuestionnaire.h"
#include "chakra/ChakraResult.h"
#include "chakra/ChakraTestSession.h"
#include "support/TestMain.h"

#include <algorithm>
#include <numeric>
#include <random>

using namespace tarvo;

Q_DECLARE_METATYPE(tarvo::PerChakra<bool>)

namespace {

const QString kCrLf = QStringLiteral("\r\n");

PerChakra<bool> chakras(std::initializer_list<ChakraId> ids)
{
    PerChakra<bool> selected{};
    for (ChakraId id : ids)
        selected[chakraIndex(id)] = true;
    return selected;
}

PerChakra<bool> allChakras()
{
    PerChakra<bool> selected;
    selected.fill(true);
    return selected;
}

// A started test in which every question got the answer that pick gives it.
ChakraTestSession answered(const PerChakra<bool>& selected,
                           const std::function<ChakraAnswer(int)>& pick, std::uint64_t seed = 7)
{
    ChakraTestSession session = *startChakraTest(selected, seed);
    fillAskedLists(session);
    for (qsizetype i = 0; i < session.questionOrder.size(); ++i)
        session.givenAnswers[i] = pick(session.questionOrder[i]);
    computeChakraResult(session);
    return session;
}

ChakraAnswer opposite(ChakraAnswer answer)
{
    return answer == ChakraAnswer::Yes ? ChakraAnswer::No : ChakraAnswer::Yes;
}

// Answers the first `matching` questions of each chakra with their counting answer, the rest not.
std::function<ChakraAnswer(int)> matchingFirst(int matching)
{
    return [matching](int q) {
        const ChakraAnswer counting = chakraQuestion(q).countingAnswer;
        return q % kQuestionsPerChakra < matching ? counting : opposite(counting);
    };
}

QList<int> filledSlots(const RecommendedAsanas& list)
{
    QList<int> filled;
    for (int i = 0; i < kAsanaSlotCount; ++i) {
        if (list[std::size_t(i)])
            filled.append(i);
    }
    return filled;
}

} // namespace

class tst_ChakraRules final : public QObject {
    Q_OBJECT

private slots:
    void init() { tarvo::test::failOnUnexpectedWarnings(); }

    void questionOwnerAndCountingAnswers()
    {
        QCOMPARE(chakraQuestion(7).chakra, ChakraId::Root);
        QCOMPARE(chakraQuestion(8).chakra, ChakraId::Sacral);
        QCOMPARE(chakraQuestion(55).chakra, ChakraId::Crown);
        for (int k = 0; k < kChakraCount; ++k) {
            int yes = 0;
            for (int q = 8 * k; q < 8 * k + 8; ++q) {
                QCOMPARE(chakraQuestion(q).chakra, ChakraId(k));
                QVERIFY(chakraQuestion(q).countingAnswer != ChakraAnswer::NotSure);
                yes += chakraQuestion(q).countingAnswer == ChakraAnswer::Yes;
            }
            QCOMPARE(yes, ChakraId(k) == ChakraId::Navel ? 5 : 4);
        }
    }

    void questionTextsKeepTheirBlanks()
    {
        QCOMPARE(chakraQuestion(15).text,
                 QStringLiteral("Do you feel better when you don't let go of  your emotions?"));
        QCOMPARE(chakraQuestion(39).text, QStringLiteral("Do you believe in loyalty? "));
        QCOMPARE(chakraQuestion(40).text,
                 QStringLiteral("Do you depend on others to make your decisions? "));
        QCOMPARE(chakraQuestion(0).text, QStringLiteral("Do you have a good sense of direction?"));
        QCOMPARE(chakraQuestion(55).text,
                 QStringLiteral("Do you feel unattached from the real world?"));
        for (int q = 0; q < kQuestionCount; ++q) {
            const QString text = chakraQuestion(q).text;
            if (q != 39 && q != 40)
                QVERIFY2(text.endsWith(u'?'), qPrintable(text));
            if (q != 15)
                QVERIFY2(!text.contains(QStringLiteral("  ")), qPrintable(text));
        }
    }

    void openingTexts()
    {
        const ChakraInfo& thirdEye = chakraInfo(ChakraId::ThirdEye);
        QCOMPARE(openingHeading(thirdEye), QStringLiteral("This Chakra needs to be opened\r\n\r\n"
                                                          "To open Third Eye Chakra: \r\n\r\n"));
        const ChakraInfo& root = chakraInfo(ChakraId::Root);
        QCOMPARE(openingInstructions(root),
                 root.mudraText + kCrLf + kCrLf + root.chantText + kCrLf + kCrLf);
        for (int k = 1; k < kChakraCount; ++k) {
            const ChakraInfo& info = chakraInfo(ChakraId(k));
            QCOMPARE(openingInstructions(info), info.mudraText + kCrLf + kCrLf
                                                    + info.concentrationText + kCrLf + kCrLf
                                                    + info.chantText + kCrLf + kCrLf);
        }
    }

    void everySelectedQuestionAskedOnce_data()
    {
        QTest::addColumn<PerChakra<bool>>("selected");
        QTest::addRow("only Heart") << chakras({ChakraId::Heart});
        QTest::addRow("Root and Crown") << chakras({ChakraId::Root, ChakraId::Crown});
        QTest::addRow("all seven") << allChakras();
    }

    void everySelectedQuestionAskedOnce()
    {
        QFETCH(PerChakra<bool>, selected);
        const ChakraTestSession session = *startChakraTest(selected, 42);
        QList<int> expected;
        for (int q = 0; q < kQuestionCount; ++q) {
            if (selected[chakraIndex(chakraOfQuestion(q))])
                expected.append(q);
        }
        QList<int> asked = session.questionOrder;
        std::sort(asked.begin(), asked.end());
        QCOMPARE(asked, expected);
        QCOMPARE(session.givenAnswers.size(), expected.size());
        QVERIFY(std::none_of(session.givenAnswers.begin(), session.givenAnswers.end(),
                             [](const auto& a) { return a.has_value(); }));
    }

    void shuffleFollowsTheSeed()
    {
        const PerChakra<bool> selected = allChakras();
        QCOMPARE(shuffledQuestionOrder(selected, 5), shuffledQuestionOrder(selected, 5));
        QVERIFY(shuffledQuestionOrder(selected, 5) != shuffledQuestionOrder(selected, 6));
        QList<int> ascending(kQuestionCount);
        std::iota(ascending.begin(), ascending.end(), 0);
        QVERIFY(shuffledQuestionOrder(selected, 5) != ascending);
    }

    void noChakraNoTest() { QVERIFY(!startChakraTest(PerChakra<bool>{}, 1)); }

    void scoreBands_data()
    {
        QTest::addColumn<int>("score");
        QTest::addColumn<ChakraState>("state");
        const ChakraState bands[] = {
            ChakraState::UnderActive, ChakraState::UnderActive, ChakraState::UnderActive,
            ChakraState::Open,        ChakraState::Open,        ChakraState::Open,
            ChakraState::OverActive,  ChakraState::OverActive,  ChakraState::OverActive};
        for (int s = 0; s <= 8; ++s)
            QTest::addRow("score %d", s) << s << bands[s];
    }

    void scoreBands()
    {
        QFETCH(int, score);
        QFETCH(ChakraState, state);
        QCOMPARE(chakraStateForScore(score), state);
        // The same score reached through answers gives the same state and the same flag.
        const ChakraTestSession session =
            answered(chakras({ChakraId::Throat}), matchingFirst(score));
        QCOMPARE(session.scores[chakraIndex(ChakraId::Throat)], score);
        QCOMPARE(chakrasNeedingYoga(session)[chakraIndex(ChakraId::Throat)],
                 state != ChakraState::Open);
    }

    void uniformAnswers_data()
    {
        QTest::addColumn<ChakraAnswer>("answer");
        QTest::addColumn<int>("score");
        QTest::addColumn<int>("navelScore");
        QTest::addRow("preselected Yes") << ChakraAnswer::Yes << 4 << 5;
        QTest::addRow("all No") << ChakraAnswer::No << 4 << 3;
        QTest::addRow("all Not Sure") << ChakraAnswer::NotSure << 0 << 0;
    }

    void uniformAnswers()
    {
        QFETCH(ChakraAnswer, answer);
        QFETCH(int, score);
        QFETCH(int, navelScore);
        const ChakraTestSession session = answered(allChakras(), [answer](int) { return answer; });
        for (int k = 0; k < kChakraCount; ++k) {
            const int expected = ChakraId(k) == ChakraId::Navel ? navelScore : score;
            QCOMPARE(session.scores[std::size_t(k)], expected);
            QCOMPARE(chakrasNeedingYoga(session)[std::size_t(k)],
                     chakraStateForScore(expected) != ChakraState::Open);
        }
    }

    void unchosenChakrasStayAtZero()
    {
        const ChakraTestSession session = answered(chakras({ChakraId::Sacral}), matchingFirst(8));
        for (int k = 0; k < kChakraCount; ++k) {
            const bool sacral = ChakraId(k) == ChakraId::Sacral;
            QCOMPARE(session.scores[std::size_t(k)], sacral ? 8 : 0);
            QCOMPARE(chakrasNeedingYoga(session)[std::size_t(k)], sacral);
        }
    }

    void askedOrderDoesNotMatter()
    {
        ChakraTestSession session = answered(allChakras(), matchingFirst(3), 11);
        const PerChakra<int> scores = session.scores;
        std::mt19937_64 engine(99);
        QList<qsizetype> positions(session.questionOrder.size());
        std::iota(positions.begin(), positions.end(), 0);
        std::shuffle(positions.begin(), positions.end(), engine);
        ChakraTestSession shuffled = session;
        for (qsizetype i = 0; i < positions.size(); ++i) {
            shuffled.questionOrder[i] = session.questionOrder[positions[i]];
            shuffled.countingAnswers[i] = session.countingAnswers[positions[i]];
            shuffled.givenAnswers[i] = session.givenAnswers[positions[i]];
        }
        computeChakraResult(shuffled);
        QCOMPARE(shuffled.scores, scores);
        // A second computation starts from zero rather than adding to the first.
        computeChakraResult(session);
        QCOMPARE(session.scores, scores);
    }

    void questionnaireAnswersWithoutTouchingTheButtons()
    {
        ChakraTestSession session = *startChakraTest(chakras({ChakraId::Root}), 3);
        fillAskedLists(session);
        ChakraQuestionnaire questionnaire(session);
        QCOMPARE(questionnaire.label(), QStringLiteral("Question No. 1 of 8"));
        for (int k = 1; k <= 8; ++k) {
            QCOMPARE(questionnaire.label(), QStringLiteral("Question No. %1 of 8").arg(k));
            QCOMPARE(questionnaire.questionText(),
                     chakraQuestion(session.questionOrder[k - 1]).text);
            const ChakraQuestionnaire::Step step = questionnaire.next(ChakraAnswer::Yes);
            QCOMPARE(step.finished, k == 8);
            QVERIFY(!step.options); // unanswered questions leave the buttons alone
        }
        for (const auto& answer : session.givenAnswers)
            QCOMPARE(answer, std::optional(ChakraAnswer::Yes));
    }

    void backOnTheFirstQuestion()
    {
        ChakraTestSession session = *startChakraTest(chakras({ChakraId::Root}), 3);
        fillAskedLists(session);
        ChakraQuestionnaire questionnaire(session);
        QCOMPARE(questionnaire.back().options, std::optional(ChakraAnswer::NotSure));
        QCOMPARE(questionnaire.currentQuestion(), 1);
        questionnaire.next(ChakraAnswer::No);
        QCOMPARE(questionnaire.back().options, std::optional(ChakraAnswer::No));
        QCOMPARE(questionnaire.back().options, std::optional(ChakraAnswer::No));
        QCOMPARE(questionnaire.label(), QStringLiteral("Question No. 1 of 8"));
    }

    void backShowsTheStoredAnswer()
    {
        ChakraTestSession session = *startChakraTest(chakras({ChakraId::Navel}), 3);
        fillAskedLists(session);
        ChakraQuestionnaire questionnaire(session);
        questionnaire.next(ChakraAnswer::Yes);
        questionnaire.next(ChakraAnswer::Yes);
        questionnaire.next(ChakraAnswer::No); // question 3
        QCOMPARE(questionnaire.currentQuestion(), 4);
        // Not Sure is now on the buttons for question 4; going back must show question 3's No.
        const ChakraQuestionnaire::Step back = questionnaire.back();
        QCOMPARE(questionnaire.currentQuestion(), 3);
        QCOMPARE(back.options, std::optional(ChakraAnswer::No));
        const ChakraQuestionnaire::Step forward = questionnaire.next(*back.options);
        QCOMPARE(session.givenAnswers[2], std::optional(ChakraAnswer::No));
        QVERIFY(!forward.options); // question 4 was never answered
        questionnaire.next(ChakraAnswer::NotSure);
        questionnaire.back();
        QCOMPARE(questionnaire.back().options, std::optional(ChakraAnswer::No));
        QCOMPARE(questionnaire.next(ChakraAnswer::No).options,
                 std::optional(ChakraAnswer::NotSure));
    }

    void chartBars_data()
    {
        QTest::addColumn<int>("score");
        QTest::addColumn<int>("percent");
        const int percents[] = {0, 12, 25, 38, 50, 62, 75, 88, 100};
        for (int s = 0; s <= 8; ++s)
            QTest::addRow("score %d", s) << s << percents[s];
    }

    void chartBars()
    {
        QFETCH(int, score);
        QFETCH(int, percent);
        const ChakraBar bar = chakraBar(ChakraId::Heart, score);
        QCOMPARE(bar.visible, score > 0);
        QCOMPARE(bar.leftTwips, 480 + 870 * 3);
        if (!bar.visible)
            return;
        QCOMPARE(bar.percent, percent);
        QCOMPARE(bar.heightTwips, percent * 1995.0 / 100.0);
        QCOMPARE(bar.topTwips + bar.heightTwips, 1995.0);
    }

    void resultRunsByState()
    {
        ChakraTestSession session;
        session.selected = chakras({ChakraId::Root, ChakraId::Heart, ChakraId::Crown});
        session.scores[chakraIndex(ChakraId::Root)] = 0;
        session.scores[chakraIndex(ChakraId::Heart)] = 5;
        session.scores[chakraIndex(ChakraId::Crown)] = 6;
        session.scores[chakraIndex(ChakraId::Sacral)] = 8; // not chosen: no text

        auto run = [](const QString& text, bool bold, int colour) {
            RichAttributes attributes;
            attributes.bold = bold;
            attributes.colour = colour;
            return RichRun{text, attributes};
        };
        const ChakraInfo& root = chakraInfo(ChakraId::Root);
        const ChakraInfo& heart = chakraInfo(ChakraId::Heart);
        const ChakraInfo& crown = chakraInfo(ChakraId::Crown);
        const QList<RichRun> expected = {
            run(root.fullName + kCrLf, true, 3),
            run(root.description + kCrLf + kCrLf, false, 0),
            run(QStringLiteral("Your Root Chakra (Muladhara) is UnderActive\r\n"), true, 3),
            run(root.underActiveText + kCrLf + kCrLf, false, 0),
            run(openingHeading(root), true, 4),
            run(openingInstructions(root), false, 4),
            run(heart.fullName + kCrLf, true, 3),
            run(heart.description + kCrLf + kCrLf, false, 0),
            run(QStringLiteral("Your Heart Chakra (Anahata) is Open\r\n"), true, 3),
            run(heart.openText + kCrLf + kCrLf, false, 0),
            run(crown.fullName + kCrLf, true, 3),
            run(crown.description + kCrLf + kCrLf, false, 0),
            run(QStringLiteral("Your Crown Chakra (Sahasrara) is OverActive\r\n"), true, 3),
            run(crown.overActiveText + kCrLf + kCrLf, false, 0),
            run(openingHeading(crown), true, 0),
            run(openingInstructions(crown), false, 0),
        };
        QCOMPARE(chakraResultReport(session).runs(), expected);
    }

    void recommendedAsanas_data()
    {
        QTest::addColumn<PerChakra<bool>>("needsYoga");
        QTest::addColumn<QList<int>>("filled");
        QTest::addColumn<QStringList>("asanas");
        QTest::addRow("only Root") << chakras({ChakraId::Root}) << QList<int>{0}
                                   << QStringList{QStringLiteral("Mandukasana")};
        QTest::addRow("only Throat")
            << chakras({ChakraId::Throat}) << QList<int>{8, 9, 10, 11, 12}
            << QStringList{QStringLiteral("Matsyasana"), QStringLiteral("Halasana"),
                           QStringLiteral("Ustrasana"), QStringLiteral("Bhujangasana"),
                           QStringLiteral("Sarvangasana")};
        QTest::addRow("Navel and Throat")
            << chakras({ChakraId::Navel, ChakraId::Throat}) << QList<int>{3, 4, 5, 8, 9, 10, 11, 12}
            << QStringList{QStringLiteral("Mayurasana"),   QStringLiteral("Dhanurasana"),
                           QStringLiteral("Matsyasana"),   QStringLiteral("Matsyasana"),
                           QStringLiteral("Halasana"),     QStringLiteral("Ustrasana"),
                           QStringLiteral("Bhujangasana"), QStringLiteral("Sarvangasana")};
        QTest::addRow("Heart and Crown")
            << chakras({ChakraId::Heart, ChakraId::Crown}) << QList<int>{6, 7, 15, 16}
            << QStringList{QStringLiteral("Yoga Mudra"), QStringLiteral("Ustrasana"),
                           QStringLiteral("Yoga Mudra"), QStringLiteral("Padmasana")};
        QTest::addRow("none") << PerChakra<bool>{} << QList<int>{} << QStringList{};
    }

    void recommendedAsanas()
    {
        QFETCH(PerChakra<bool>, needsYoga);
        QFETCH(QList<int>, filled);
        QFETCH(QStringList, asanas);
        const RecommendedAsanas list = tarvo::recommendedAsanas(needsYoga);
        QCOMPARE(filledSlots(list), filled);
        QCOMPARE(anyRecommended(list), !filled.isEmpty());

        // Next walks every record in slot order, then stays on the last.
        AsanaRecordNavigator navigator(list);
        QStringList shown;
        QList<int> positions;
        if (navigator.current()) {
            do {
                shown.append(chakraYogaAsanas()[navigator.current()->asana].name);
                positions.append(*navigator.position());
                QCOMPARE(navigator.current()->chakraName,
                         chakraInfo(chakraAsanaSlots()[std::size_t(*navigator.position())].chakra)
                             .fullName);
            } while (navigator.next() == AsanaRecordNavigator::Move::Shown);
        }
        QCOMPARE(shown, asanas);
        QCOMPARE(positions, filled);
        QCOMPARE(navigator.next(), AsanaRecordNavigator::Move::Unchanged);
        QCOMPARE(navigator.position(),
                 filled.isEmpty() ? std::nullopt : std::optional(filled.last()));

        // Previous walks back through every record, across empty filled, to the first one.
        for (qsizetype i = filled.size() - 2; i >= 0; --i) {
            QCOMPARE(navigator.previous(), AsanaRecordNavigator::Move::Shown);
            QCOMPARE(navigator.position(), std::optional(filled[i]));
        }
        QCOMPARE(navigator.previous(), AsanaRecordNavigator::Move::AtFirst);
        QCOMPARE(navigator.position(),
                 filled.isEmpty() ? std::nullopt : std::optional(filled.first()));
    }

    // Find opens the asana window at a record: the first slot that holds the asana.
    void navigatorMovesToAnAsana_data()
    {
        QTest::addColumn<QString>("asana");
        QTest::addColumn<int>("from");
        QTest::addColumn<std::optional<int>>("position");
        QTest::addRow("shared asana, its first slot")
            << QStringLiteral("Yoga Mudra") << 16 << std::optional(6);
        QTest::addRow("later slot") << QStringLiteral("Padmasana") << 6 << std::optional(16);
        QTest::addRow("not in the list")
            << QStringLiteral("Bhujangasana") << 7 << std::optional<int>();
    }
    void navigatorMovesToAnAsana()
    {
        QFETCH(QString, asana);
        QFETCH(int, from);
        QFETCH(std::optional<int>, position);
        const QList<ChakraYogaAsana>& all = chakraYogaAsanas();
        const auto index =
            std::find_if(all.cbegin(), all.cend(), [&](const auto& a) { return a.name == asana; })
            - all.cbegin();
        QVERIFY(index < all.size());
        AsanaRecordNavigator navigator(
            tarvo::recommendedAsanas(chakras({ChakraId::Heart, ChakraId::Crown})));
        while (navigator.position() != std::optional(from))
            QCOMPARE(navigator.next(), AsanaRecordNavigator::Move::Shown);
        QCOMPARE(navigator.moveToAsana(int(index)), position.has_value());
        QCOMPARE(navigator.position(), position.value_or(from));
        QCOMPARE(all[navigator.current()->asana].name == asana, position.has_value());
    }

    // A chakra's page holds every text of the chakra, in the order a reader meets them.
    void chakraPageHoldsEveryText_data()
    {
        QTest::addColumn<ChakraId>("id");
        for (int k = 0; k < kChakraCount; ++k)
            QTest::addRow("%s", qPrintable(chakraInfo(ChakraId(k)).shortName)) << ChakraId(k);
    }
    void chakraPageHoldsEveryText()
    {
        QFETCH(ChakraId, id);
        const ChakraInfo& info = chakraInfo(id);
        const PrintablePage chakra = chakraPage(id);
        QCOMPARE(chakra.title, info.fullName);
        QString page;
        for (const RichRun& run : chakra.text.runs())
            page += run.text;
        qsizetype at = 0;
        for (const QString& part :
             {info.fullName, info.description, info.openText, info.overActiveText,
              info.underActiveText, info.mudraText, info.concentrationText, info.chantText}) {
            const qsizetype found = page.indexOf(part, at);
            QVERIFY2(found >= at, qPrintable(part.left(40)));
            at = found + part.size();
        }
    }

    void heartAndCrownShareYogaMudra()
    {
        const RecommendedAsanas list =
            tarvo::recommendedAsanas(chakras({ChakraId::Heart, ChakraId::Crown}));
        QCOMPARE(list[6]->chakraName, QStringLiteral("Heart Chakra (Anahata)"));
        QCOMPARE(list[15]->chakraName, QStringLiteral("Crown Chakra (Sahasrara)"));
        QCOMPARE(list[6]->asana, list[15]->asana);
    }

    void asanaRecordHeadings()
    {
        const QList<ChakraYogaAsana>& asanas = chakraYogaAsanas();
        const ChakraYogaAsana& mandukasana = asanas[0];
        const QList<RichRun> runs = asanaRecordReport(mandukasana).runs();
        QCOMPARE(runs[0].text, QStringLiteral("Asanas Name\r\n"));
        QCOMPARE(runs[1].text, QStringLiteral("Mandukasana\r\n\r\n"));
        QVERIFY(runs[0].attributes.bold && runs[1].attributes.bold);
        QCOMPARE(runs[2].text, QStringLiteral("Description\r\n"));
        QVERIFY(runs[2].attributes.bold && !runs[3].attributes.bold);
        QCOMPARE(runs.last().text, mandukasana.contradictions);
        QVERIFY(!runs.last().attributes.bold);
        for (const RichRun& r : runs)
            QCOMPARE(r.attributes.colour, -1);
        for (int i : {3, 5, 6, 9}) {
            const QString text = asanaRecordReport(asanas[i]).plainText();
            QVERIFY2(!text.contains(QStringLiteral("Contradictions")), qPrintable(asanas[i].name));
            QVERIFY(text.endsWith(asanas[i].benefits + kCrLf + kCrLf));
        }
    }
};

TARVO_TEST_MAIN(tst_ChakraRules)
#include "tst_chakrarules.moc"
