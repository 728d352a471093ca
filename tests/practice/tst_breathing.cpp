#include "learn/ArticleCatalogue.h"
#include "practice/breathing/BreathingEngine.h"
#include "practice/breathing/BreathingPattern.h"
#include "support/ConditionPatterns.h"

#include <QtTest>

using namespace tarvo::practice;

namespace {

// A round written compactly: I(nhale), H(old), O(ut), P (hold after breathing out), R(est), each
// with its seconds and, where one is named, L or R for the nostril and X for both closed.
QString shape(const BreathingPattern& pattern)
{
    QStringList parts;
    for (const BreathPhase& phase : pattern.phases) {
        static const char kinds[] = "IHOPR";
        QString part = QString(QLatin1Char(kinds[int(phase.kind)]));
        part += phase.milliseconds % 1000 == 0 ? QString::number(phase.milliseconds / 1000)
                                               : QString::number(phase.milliseconds / 1000.0);
        if (phase.nostril == Nostril::Left)
            part += u'L';
        else if (phase.nostril == Nostril::Right)
            part += u'R';
        else if (phase.nostril == Nostril::Closed)
            part += u'X';
        parts.append(part);
    }
    return parts.join(u' ');
}

BreathingPattern named(const QString& key)
{
    const auto pattern = breathingPattern(key);
    if (!pattern)
        qWarning("no pattern %s", qPrintable(key));
    return pattern.value_or(BreathingPattern{});
}

const QDateTime kStarted(QDate(2026, 3, 1), QTime(7, 30));

// Every article's sentences, and those of its Caution or Cautions section, by title.
struct ArticleSentences {
    QStringList all;
    QStringList cautions;
};

QHash<QString, ArticleSentences> articleSentences()
{
    QHash<QString, ArticleSentences> articles;
    for (int id = 0; id < tarvo::kArticleCount; ++id) {
        {
            const auto article = tarvo::article(tarvo::ArticleId(id));
            if (!article)
                continue;
            ArticleSentences& sentences = articles[article->title];
            bool inCautions = false;
            for (const tarvo::ArticleBlock& block : article->blocks) {
                if (block.style == tarvo::BlockStyle::SubHeading)
                    inCautions = block.text.startsWith(QStringLiteral("Caution"));
                if (block.style != tarvo::BlockStyle::BodyText)
                    continue;
                const QStringList found = tarvo::test::sentencesOf(block.text);
                sentences.all += found;
                if (inCautions)
                    sentences.cautions += found;
            }
        }
    }
    return articles;
}

} // namespace

Q_DECLARE_METATYPE(tarvo::practice::BreathingPattern)

class tst_Breathing final : public QObject {
    Q_OBJECT

private slots:
    // A pattern shows its articles' cautions word for word, each with the conditions it names,
    // and the caution against holding the breath wherever the breath is held.
    void cautionsFollowTheArticles_data()
    {
        QTest::addColumn<BreathingPattern>("pattern");
        QTest::addColumn<QString>("article");
        const QHash<QString, QString> articles = {
            {"nadi-shodhana", "Nadi Shodan Prnayam"},
            {"nadi-shodhana-hold", "Nadi Shodan Prnayam"},
            {"bhramari", "Bhramari Pranayam"},
            {"bhastrika", "Bhastrika Pranayam"},
            {"kapalbhati", "Kapalbhati Pranayam"},
            {"surya-namaskar", "People Who Should Not Practice"}};
        for (const BreathingPattern& pattern : breathingPatterns())
            QTest::addRow("%s", qPrintable(pattern.key)) << pattern << articles.value(pattern.key);
        QTest::addRow("custom with a hold") << customPattern({4, 2, 6, 0}) << QString();
        QTest::addRow("custom without") << customPattern({4, 0, 6, 0}) << QString();
    }

    void cautionsFollowTheArticles()
    {
        QFETCH(BreathingPattern, pattern);
        QFETCH(QString, article);
        static const QHash<QString, ArticleSentences> articles = articleSentences();
        QStringList everySentence;
        for (const ArticleSentences& sentences : articles)
            everySentence += sentences.all;
        for (const QString& caution : pattern.cautions) {
            QVERIFY2(everySentence.contains(caution), qPrintable(caution));
            for (tarvo::Condition condition : tarvo::allConditions()) {
                const bool noted =
                    std::any_of(pattern.conditionNotes.cbegin(), pattern.conditionNotes.cend(),
                                [&](const tarvo::ConditionNote& n) {
                                    return n.sentence == caution && n.condition == condition;
                                });
                QCOMPARE(noted, tarvo::test::namesCondition(caution, condition));
            }
        }
        if (!article.isEmpty()) {
            // In full: its Caution section, or without one every sentence naming a condition.
            const ArticleSentences& own = articles.value(article);
            QStringList wanted = own.cautions;
            if (wanted.isEmpty()) {
                for (const QString& sentence : own.all) {
                    for (tarvo::Condition condition : tarvo::allConditions()) {
                        if (tarvo::test::namesCondition(sentence, condition)) {
                            wanted.append(sentence);
                            break;
                        }
                    }
                }
            }
            QVERIFY(!wanted.isEmpty());
            for (const QString& sentence : std::as_const(wanted))
                QVERIFY2(pattern.cautions.contains(sentence), qPrintable(sentence));
        }
        const bool heldNote =
            std::any_of(pattern.cautions.cbegin(), pattern.cautions.cend(), [](const QString& c) {
                return c.contains(QStringLiteral("should not hold the breath"));
            });
        QCOMPARE(heldNote, pattern.holdsBreath() || pattern.key == QStringLiteral("nadi-shodhana"));
    }

    // Forceful breathing goes by rounds, with a beginner's limit from its article and a warning
    // past it, and never runs long.
    void forcefulBreathingHasABeginnersLimit_data()
    {
        QTest::addColumn<QString>("key");
        QTest::addColumn<int>("limit");
        QTest::addRow("kapalbhati") << "kapalbhati" << 3;
        QTest::addRow("bhastrika") << "bhastrika" << 3;
        QTest::addRow("equal breathing") << "equal" << 0;
        QTest::addRow("box breathing") << "box" << 0;
    }

    void forcefulBreathingHasABeginnersLimit()
    {
        QFETCH(QString, key);
        QFETCH(int, limit);
        const BreathingPattern pattern = named(key);
        QCOMPARE(pattern.beginnerRounds, limit);
        const BreathingLength hour{BreathingLength::Unit::Minutes, kMaxMinutes};
        const BreathingLength fifty{BreathingLength::Unit::Rounds, 50};
        if (limit == 0) {
            QVERIFY(roundsFor(pattern, hour) > kMaxForcefulRounds);
            QCOMPARE(roundsFor(pattern, fifty), 50);
            QVERIFY(roundsWarning(pattern, 50).isEmpty());
            return;
        }
        QVERIFY(pattern.roundsSentence.contains(QStringLiteral("3 rounds")));
        QCOMPARE(roundsFor(pattern, hour), pattern.defaultRounds);
        QCOMPARE(roundsFor(pattern, fifty), kMaxForcefulRounds);
        QVERIFY(roundsWarning(pattern, limit).isEmpty());
        QVERIFY(roundsWarning(pattern, limit + 1).endsWith(pattern.roundsSentence));
    }

    void patterns_data()
    {
        QTest::addColumn<QString>("key");
        QTest::addColumn<QString>("round");
        QTest::addColumn<int>("roundMilliseconds");
        QTest::addColumn<QString>("pace");

        QTest::newRow("equal") << "equal"
                               << "I4 O4" << 8000 << "4:4";
        QTest::newRow("box") << "box"
                             << "I4 H4 O4 P4" << 16000 << "4:4:4:4";
        QTest::newRow("ujjayi") << "ujjayi"
                                << "I5 O5" << 10000 << "5:5";
        QTest::newRow("bhramari") << "bhramari"
                                  << "I4 O8" << 12000 << "4:8";
        // In left, out right, in right, out left: both halves are one round.
        QTest::newRow("nadi shodhana") << "nadi-shodhana"
                                       << "I4L O8R I4R O8L" << 24000 << "4:8";
        QTest::newRow("nadi shodhana 1:4:2") << "nadi-shodhana-hold"
                                             << "I4L H16X O8R I4R H16X O8L" << 56000 << "4:16:8";
        // 10 strokes out, 9 quick breaths in between, the slow breath and a minute's rest.
        QTest::newRow("bhastrika") << "bhastrika"
                                   << "I4 O0.5 I0.5 O0.5 I0.5 O0.5 I0.5 O0.5 I0.5 O0.5 I0.5 O0.5 "
                                      "I0.5 O0.5 I0.5 O0.5 I0.5 O0.5 I0.5 O0.5 I4 O6 R60"
                                   << 83500 << "one bellows breath a second";
        QTest::newRow("surya namaskar")
            << "surya-namaskar"
            << "I4 O4 I4 O4 I4 H4 O4 I4 O4 I4 O4 I4 O4 I4 O4 I4 O4 I4 H4 O4 I4 O4 I4 O4 I4 O4"
            << 104000 << "4 seconds a movement";
    }

    void patterns()
    {
        QFETCH(QString, key);
        QFETCH(QString, round);
        QFETCH(int, roundMilliseconds);
        QFETCH(QString, pace);

        const BreathingPattern pattern = named(key);
        QCOMPARE(shape(pattern), round);
        QCOMPARE(pattern.roundMilliseconds(), roundMilliseconds);
        QCOMPARE(pattern.pace, pace);
    }

    void everyPatternIsSoundAndListedOnce()
    {
        QStringList keys;
        for (const BreathingPattern& pattern : breathingPatterns()) {
            QVERIFY2(!keys.contains(pattern.key), qPrintable(pattern.key));
            keys.append(pattern.key);
            QVERIFY(!pattern.name.isEmpty() && !pattern.pace.isEmpty());
            QVERIFY(pattern.defaultRounds >= 1 && pattern.defaultRounds <= kMaxRounds);
            for (const BreathPhase& phase : pattern.phases)
                QVERIFY2(phase.milliseconds > 0, qPrintable(pattern.key));
        }
        QVERIFY(!breathingPattern(QStringLiteral("custom")));
    }

    void kapalbhatiCountsItsStrokes()
    {
        const BreathingPattern pattern = named(QStringLiteral("kapalbhati"));
        QList<int> strokes;
        for (const BreathPhase& phase : pattern.phases) {
            if (phase.stroke > 0 && phase.kind == BreathKind::Exhale)
                strokes.append(phase.stroke);
        }
        QCOMPARE(strokes.size(), 20);
        QCOMPARE(strokes.first(), 1);
        QCOMPARE(strokes.last(), 20);
        QCOMPARE(pattern.phases.constLast().kind, BreathKind::Rest);
    }

    void customCounts_data()
    {
        QTest::addColumn<int>("inhale");
        QTest::addColumn<int>("hold");
        QTest::addColumn<int>("exhale");
        QTest::addColumn<int>("holdOut");
        QTest::addColumn<bool>("valid");
        QTest::addColumn<QString>("ratio");
        QTest::addColumn<QString>("round");

        QTest::newRow("in and out") << 4 << 0 << 6 << 0 << true << "4:6"
                                    << "I4 O6";
        QTest::newRow("hold in") << 4 << 7 << 8 << 0 << true << "4:7:8"
                                 << "I4 H7 O8";
        QTest::newRow("hold out only") << 4 << 0 << 4 << 2 << true << "4:0:4:2"
                                       << "I4 O4 P2";
        QTest::newRow("all four") << 3 << 3 << 3 << 3 << true << "3:3:3:3"
                                  << "I3 H3 O3 P3";
        QTest::newRow("shortest") << 1 << 0 << 1 << 0 << true << "1:1"
                                  << "I1 O1";
        QTest::newRow("longest") << 30 << 30 << 30 << 30 << true << "30:30:30:30"
                                 << "I30 H30 O30 P30";
        QTest::newRow("no inhale") << 0 << 0 << 4 << 0 << false << ""
                                   << "";
        QTest::newRow("no exhale") << 4 << 0 << 0 << 0 << false << ""
                                   << "";
        QTest::newRow("negative hold") << 4 << -1 << 4 << 0 << false << ""
                                       << "";
        QTest::newRow("negative hold out") << 4 << 0 << 4 << -2 << false << ""
                                           << "";
        QTest::newRow("inhale too long") << 31 << 0 << 4 << 0 << false << ""
                                         << "";
        QTest::newRow("hold too long") << 4 << 31 << 8 << 0 << false << ""
                                       << "";
        QTest::newRow("hold out too long") << 4 << 0 << 8 << 45 << false << ""
                                           << "";
    }

    void customCounts()
    {
        QFETCH(int, inhale);
        QFETCH(int, hold);
        QFETCH(int, exhale);
        QFETCH(int, holdOut);
        QFETCH(bool, valid);
        QFETCH(QString, ratio);
        QFETCH(QString, round);

        const BreathCounts counts{inhale, hold, exhale, holdOut};
        QCOMPARE(countsError(counts).isEmpty(), valid);
        if (!valid)
            return;
        const BreathingPattern pattern = customPattern(counts);
        QCOMPARE(ratioText(counts), ratio);
        QCOMPARE(pattern.pace, ratio);
        QCOMPARE(shape(pattern), round);
    }

    void length_data()
    {
        QTest::addColumn<QString>("key");
        QTest::addColumn<bool>("minutes");
        QTest::addColumn<int>("amount");
        QTest::addColumn<int>("rounds");

        QTest::newRow("rounds as asked") << "equal" << false << 12 << 12;
        QTest::newRow("at least one round") << "equal" << false << 0 << 1;
        QTest::newRow("at most the maximum") << "equal" << false << 500 << 100;
        // 60 s of 8 s rounds is 7.5: the round begun is breathed to its end.
        QTest::newRow("partial round finished") << "equal" << true << 1 << 8;
        QTest::newRow("minutes fill whole rounds") << "equal" << true << 4 << 30;
        QTest::newRow("box two minutes") << "box" << true << 2 << 8;
        // A round longer than the minutes asked for is still one whole round.
        QTest::newRow("round longer than a minute") << "surya-namaskar" << true << 1 << 1;
        QTest::newRow("no minutes is one") << "equal" << true << 0 << 8;
        QTest::newRow("minutes capped") << "equal" << true << 1000 << 450;
    }

    void length()
    {
        QFETCH(QString, key);
        QFETCH(bool, minutes);
        QFETCH(int, amount);
        QFETCH(int, rounds);

        const BreathingLength length{
            minutes ? BreathingLength::Unit::Minutes : BreathingLength::Unit::Rounds, amount};
        QCOMPARE(roundsFor(named(key), length), rounds);
    }

    void stateOverTime_data()
    {
        QTest::addColumn<QString>("key");
        QTest::addColumn<int>("rounds");
        QTest::addColumn<int>("at");
        QTest::addColumn<QString>("word");
        QTest::addColumn<QString>("nostril");
        QTest::addColumn<int>("count");
        QTest::addColumn<int>("round");
        QTest::addColumn<double>("fullness");
        QTest::addColumn<bool>("done");

        QTest::newRow("start") << "equal" << 3 << 0 << "Breathe in"
                               << "" << 1 << 1 << 0.0 << false;
        QTest::newRow("mid inhale") << "equal" << 3 << 2000 << "Breathe in"
                                    << "" << 3 << 1 << 0.5 << false;
        QTest::newRow("last second of inhale") << "equal" << 3 << 3999 << "Breathe in"
                                               << "" << 4 << 1 << 0.99975 << false;
        QTest::newRow("exhale begins full") << "equal" << 3 << 4000 << "Breathe out"
                                            << "" << 1 << 1 << 1.0 << false;
        QTest::newRow("second round") << "equal" << 3 << 9000 << "Breathe in"
                                      << "" << 2 << 2 << 0.25 << false;
        QTest::newRow("end shows the last breath out") << "equal" << 3 << 24000 << "Breathe out"
                                                       << "" << 4 << 3 << 0.0 << true;
        QTest::newRow("after the end") << "equal" << 3 << 90000 << "Breathe out"
                                       << "" << 4 << 3 << 0.0 << true;
        QTest::newRow("box hold full") << "box" << 2 << 6000 << "Hold"
                                       << "" << 3 << 1 << 1.0 << false;
        QTest::newRow("box hold empty") << "box" << 2 << 13500 << "Hold"
                                        << "" << 2 << 1 << 0.0 << false;
        QTest::newRow("nadi in left") << "nadi-shodhana-hold" << 5 << 1000 << "Breathe in"
                                      << "Left nostril" << 2 << 1 << 0.25 << false;
        QTest::newRow("nadi hold") << "nadi-shodhana-hold" << 5 << 19500 << "Hold"
                                   << "Both nostrils closed" << 16 << 1 << 1.0 << false;
        QTest::newRow("nadi out right") << "nadi-shodhana-hold" << 5 << 22000 << "Breathe out"
                                        << "Right nostril" << 3 << 1 << 0.75 << false;
        QTest::newRow("nadi in right") << "nadi-shodhana-hold" << 5 << 28000 << "Breathe in"
                                       << "Right nostril" << 1 << 1 << 0.0 << false;
        QTest::newRow("nadi out left ends the round")
            << "nadi-shodhana-hold" << 5 << 55000 << "Breathe out"
            << "Left nostril" << 8 << 1 << 0.125 << false;
        QTest::newRow("nadi second round on the left")
            << "nadi-shodhana-hold" << 5 << 56000 << "Breathe in"
            << "Left nostril" << 1 << 2 << 0.0 << false;
        // Quick strokes show the stroke, not the second.
        QTest::newRow("kapalbhati stroke")
            << "kapalbhati" << 3 << 4000 + 6 * 1000 + 200 << "Breathe out"
            << "" << 7 << 1 << 0.6 << false;
        QTest::newRow("kapalbhati rest")
            << "kapalbhati" << 3 << 4000 + 19500 + 10000 + 2500 << "Breathe normally"
            << "" << 3 << 1 << 0.0 << false;
    }

    void stateOverTime()
    {
        QFETCH(QString, key);
        QFETCH(int, rounds);
        QFETCH(int, at);
        QFETCH(QString, word);
        QFETCH(QString, nostril);
        QFETCH(int, count);
        QFETCH(int, round);
        QFETCH(double, fullness);
        QFETCH(bool, done);

        BreathingEngine engine(named(key), rounds);
        const qint64 origin = 5'000'000;
        engine.start(origin, kStarted);
        const BreathingState state = engine.state(origin + at);
        QCOMPARE(phaseWord(state.phase.kind), word);
        QCOMPARE(nostrilText(state.phase.nostril), nostril);
        QCOMPARE(state.count, count);
        QCOMPARE(state.round, round);
        QCOMPARE(state.rounds, rounds);
        QVERIFY2(qAbs(state.fullness - fullness) < 1e-9,
                 qPrintable(QString::number(state.fullness)));
        QCOMPARE(state.done, done);
        QCOMPARE(engine.done(origin + at), done);
    }

    void finishedPracticeIsJournalled_data()
    {
        QTest::addColumn<QString>("key");
        QTest::addColumn<int>("rounds");
        QTest::addColumn<QString>("title");
        QTest::addColumn<QString>("summary");
        QTest::addColumn<int>("seconds");

        QTest::newRow("equal") << "equal" << 12 << "Equal breathing"
                               << "12 rounds at 4:4" << 96;
        QTest::newRow("one round") << "box" << 1 << "Box breathing"
                                   << "1 round at 4:4:4:4" << 16;
        QTest::newRow("nadi") << "nadi-shodhana-hold" << 5 << "Nadi Shodhana with holding"
                              << "5 rounds at 4:16:8" << 280;
        QTest::newRow("bhastrika") << "bhastrika" << 2 << "Bhastrika"
                                   << "2 rounds at one bellows breath a second" << 167;
    }

    void finishedPracticeIsJournalled()
    {
        QFETCH(QString, key);
        QFETCH(int, rounds);
        QFETCH(QString, title);
        QFETCH(QString, summary);
        QFETCH(int, seconds);

        BreathingEngine engine(named(key), rounds);
        engine.start(1000, kStarted);
        QVERIFY(!engine.done(1000 + seconds * 1000 - 600));
        const JournalEntry entry = engine.entry(1000 + seconds * 1000 + 5000);
        QCOMPARE(entry.kind, PracticeKind::Breathing);
        QCOMPARE(entry.started, kStarted);
        QCOMPARE(entry.title, title);
        QCOMPARE(entry.summary, summary);
        QCOMPARE(entry.seconds, seconds);
        QVERIFY(entry.completed);
    }

    void stopPartWay_data()
    {
        QTest::addColumn<int>("stopAt");
        QTest::addColumn<QString>("summary");
        QTest::addColumn<int>("seconds");
        QTest::addColumn<int>("round");

        QTest::newRow("at once") << 0 << "0 of 12 rounds at 4:4" << 0 << 1;
        QTest::newRow("inside the first round") << 7400 << "0 of 12 rounds at 4:4" << 7 << 1;
        QTest::newRow("just after a round") << 16000 << "2 of 12 rounds at 4:4" << 16 << 3;
        QTest::newRow("halfway") << 50600 << "6 of 12 rounds at 4:4" << 51 << 7;
    }

    void stopPartWay()
    {
        QFETCH(int, stopAt);
        QFETCH(QString, summary);
        QFETCH(int, seconds);
        QFETCH(int, round);

        BreathingEngine engine(named(QStringLiteral("equal")), 12);
        engine.start(0, kStarted);
        engine.stop(stopAt);
        // Time after the stop is not practice, and the figure stays where it stopped.
        const qint64 later = stopAt + 600'000;
        QVERIFY(engine.stopped());
        QVERIFY(!engine.done(later));
        QCOMPARE(engine.state(later).round, round);
        QCOMPARE(engine.state(later).elapsedMilliseconds, stopAt);
        const JournalEntry entry = engine.entry(later);
        QCOMPARE(entry.summary, summary);
        QCOMPARE(entry.seconds, seconds);
        QVERIFY(!entry.completed);
    }

    void pauseHoldsThePractice()
    {
        BreathingEngine engine(named(QStringLiteral("box")), 2);
        engine.start(100, kStarted);
        engine.pause(100 + 5000);
        QVERIFY(engine.paused());
        const BreathingState frozen = engine.state(100 + 60'000);
        QVERIFY(frozen.paused);
        QCOMPARE(frozen.elapsedMilliseconds, 5000);
        QCOMPARE(phaseWord(frozen.phase.kind), QStringLiteral("Hold"));
        QCOMPARE(frozen.count, 2);

        engine.resume(100 + 65'000);
        const BreathingState after = engine.state(100 + 65'000 + 3000);
        QVERIFY(!after.paused);
        QCOMPARE(after.elapsedMilliseconds, 8000);
        QCOMPARE(phaseWord(after.phase.kind), QStringLiteral("Breathe out"));
        QVERIFY(!engine.done(100 + 32'000));
        QVERIFY(engine.done(100 + 60'000 + 32'000));

        // A second pause before resuming does not move the moment paused.
        engine.pause(100 + 70'000);
        engine.pause(100 + 80'000);
        engine.stop(100 + 90'000);
        const JournalEntry entry = engine.entry(100 + 100'000);
        QCOMPARE(entry.seconds, 10);
        QCOMPARE(entry.summary, QStringLiteral("0 of 2 rounds at 4:4:4:4"));
    }

    void notStartedIsStill()
    {
        BreathingEngine engine(named(QStringLiteral("equal")), 3);
        QVERIFY(!engine.running());
        QCOMPARE(engine.state(50'000).elapsedMilliseconds, 0);
        QVERIFY(!engine.done(50'000));
        engine.pause(10);
        engine.stop(20);
        QVERIFY(!engine.paused() && !engine.stopped());
    }
};

QTEST_GUILESS_MAIN(tst_Breathing)
#include "tst_breathing.moc"
