#include "practice/Chime.h"
#include "practice/ReadyMadeSession.h"
#include "practice/SessionPlayer.h"
#include "support/TestContext.h"
#include "support/TestMain.h"

#include <QDataStream>

using namespace tarvo::practice;
using tarvo::practice::Side;

namespace {

QStringList namesOf(const Session& session)
{
    QStringList names;
    for (const SessionStep& step : session.steps)
        names.append(step.asana);
    return names;
}

const QDateTime kStarted(QDate(2026, 3, 1), QTime(7, 30));

// 36 s, then 30 s on each side, 20 s on each side, 180 s: 316 s in all.
Session morning()
{
    return {QStringLiteral("Morning"),
            {{QStringLiteral("Tadasana"), 6, HoldUnit::Breaths, false},
             {QStringLiteral("Trikonasana"), 5, HoldUnit::Breaths, true},
             {QStringLiteral("Vrikshasana"), 20, HoldUnit::Seconds, true},
             {QStringLiteral("Shavasana"), 180, HoldUnit::Seconds, false}}};
}

} // namespace

class tst_SessionRules : public QObject {
    Q_OBJECT

private slots:
    void init() { tarvo::test::failOnUnexpectedWarnings(); }

    void readyMadeOrder_data()
    {
        QTest::addColumn<QStringList>("reading");
        QTest::addColumn<QStringList>("session");
        QTest::addRow("shoulder stand moved last, counterpose after it")
            << QStringList{"Sarvangasana", "Makarasana", "Savasana", "Halasana"}
            << QStringList{"Tadasana",     "Makarasana", "Halasana",
                           "Sarvangasana", "Matsyasana", "Shavasana"};
        QTest::addRow("counterpose asked for before the shoulder stand")
            << QStringList{"Matsyasana", "Sarvangasana", "Trikonasana"}
            << QStringList{"Tadasana", "Trikonasana", "Sarvangasana", "Matsyasana", "Shavasana"};
        QTest::addRow("fish alone keeps its place")
            << QStringList{"Matsyasana", "Bhujangasana"}
            << QStringList{"Tadasana", "Matsyasana", "Bhujangasana", "Shavasana"};
        QTest::addRow("reading spellings, repeats and unknown names")
            << QStringList{"Tadasana",  "Naukasana",       "Tadasana",
                           "Headstand", "Paschimottasana", "Noukasana"}
            << QStringList{"Tadasana", "Noukasana", "Paschimottanasana", "Shavasana"};
        QTest::addRow("nothing to practise")
            << QStringList{} << QStringList{"Tadasana", "Shavasana"};
    }

    void readyMadeOrder()
    {
        QFETCH(QStringList, reading);
        QFETCH(QStringList, session);
        const Session made = readyMadeSession(QStringLiteral(" Aries "), reading);
        QCOMPARE(made.name, QStringLiteral("Aries"));
        QCOMPARE(namesOf(made), session);
    }

    void readyMadeHolds_data()
    {
        QTest::addColumn<QString>("asana");
        QTest::addColumn<int>("hold");
        QTest::addColumn<bool>("inSeconds");
        QTest::addColumn<bool>("bothSides");
        QTest::addRow("twist, one side at a time") << "Ardhamatsyendrasana" << 6 << false << true;
        QTest::addRow("triangle") << "Trikonasana" << 6 << false << true;
        QTest::addRow("tree, a balance") << "Vrikshasana" << 20 << true << true;
        QTest::addRow("boat, a balance on the seat") << "Noukasana" << 20 << true << false;
        QTest::addRow("cobra") << "Bhujangasana" << 6 << false << false;
        QTest::addRow("lotus, sitting still") << "Padmasana" << 10 << false << false;
        QTest::addRow("rest") << "Shavasana" << 180 << true << false;
    }

    void readyMadeHolds()
    {
        QFETCH(QString, asana);
        QFETCH(int, hold);
        QFETCH(bool, inSeconds);
        QFETCH(bool, bothSides);
        const Session made = readyMadeSession(QStringLiteral("Test"), {asana});
        const auto found = std::find_if(made.steps.cbegin(), made.steps.cend(),
                                        [&](const SessionStep& s) { return s.asana == asana; });
        QVERIFY(found != made.steps.cend());
        QCOMPARE(found->hold, hold);
        QCOMPARE(found->unit == HoldUnit::Seconds, inSeconds);
        QCOMPARE(found->bothSides, bothSides);
    }

    void expandsSidesAndBreaths()
    {
        const QList<TimedStep> steps = timedSteps(morning());
        const QList<TimedStep> expected = {{0, "Tadasana", Side::None, 36, "6 breaths"},
                                           {1, "Trikonasana", Side::Left, 30, "5 breaths"},
                                           {1, "Trikonasana", Side::Right, 30, "5 breaths"},
                                           {2, "Vrikshasana", Side::Left, 20, "20 seconds"},
                                           {2, "Vrikshasana", Side::Right, 20, "20 seconds"},
                                           {3, "Shavasana", Side::None, 180, "180 seconds"}};
        QCOMPARE(steps, expected);
        // A hold of nothing still shows the pose for a breath.
        const QList<TimedStep> zero =
            timedSteps({QStringLiteral("Z"), {{QStringLiteral("Makarasana"), 0}}});
        QCOMPARE(zero.first().seconds, 6);
        QCOMPARE(zero.first().hold, QStringLiteral("1 breath"));
    }

    void playsToTheEnd()
    {
        SessionPlayer player(morning(), kStarted, 1000);
        QCOMPARE(player.currentIndex(), 0);
        QCOMPARE(player.remainingSeconds(), 36);
        QCOMPARE(player.upcoming()->asana, QStringLiteral("Trikonasana"));
        QVERIFY(!player.advanceTo(1000 + 35'001));
        QCOMPARE(player.remainingSeconds(), 1);
        QVERIFY(player.advanceTo(1000 + 36'000));
        QCOMPARE(player.currentIndex(), 1);
        QCOMPARE(player.current().side, Side::Left);
        QCOMPARE(player.remainingSeconds(), 30);
        QCOMPARE(player.sessionProgress(), 36.0 / 316.0);
        // One long step of time passes several holds at once.
        QVERIFY(player.advanceTo(1000 + 36'000 + 30'000 + 30'000 + 20'000 + 5'000));
        QCOMPARE(player.currentIndex(), 4);
        QCOMPARE(player.current().side, Side::Right);
        QCOMPARE(player.stepProgress(), 0.25);
        QCOMPARE(player.upcoming()->asana, QStringLiteral("Shavasana"));
        player.advanceTo(1000 + 400'000);
        QCOMPARE(player.state(), SessionPlayer::State::Finished);
        QCOMPARE(player.remainingSeconds(), 0);
        QCOMPARE(player.practisedMs(), 316'000);

        const JournalEntry entry = player.journalEntry();
        QCOMPARE(entry.started, kStarted);
        QCOMPARE(entry.kind, PracticeKind::Session);
        QCOMPARE(entry.title, QStringLiteral("Morning"));
        QCOMPARE(entry.seconds, 316);
        QVERIFY(entry.completed);
        QCOMPARE(entry.summary,
                 QStringLiteral("4 of 4 poses: Tadasana, Trikonasana, Vrikshasana, Shavasana"));
    }

    void pausedTimeIsNotPractice()
    {
        SessionPlayer player(morning(), kStarted, 0);
        player.advanceTo(10'000);
        player.pause(10'000);
        QCOMPARE(player.state(), SessionPlayer::State::Paused);
        QVERIFY(!player.advanceTo(500'000));
        QCOMPARE(player.remainingSeconds(), 26);
        player.resume(500'000);
        QVERIFY(player.advanceTo(526'000));
        QCOMPARE(player.currentIndex(), 1);
        QCOMPARE(player.practisedMs(), 36'000);
        // A time source that steps back gives nothing back, nor adds anything.
        player.advanceTo(400'000);
        QCOMPARE(player.practisedMs(), 36'000);
        player.advanceTo(527'000);
        QCOMPARE(player.practisedMs(), 37'000);
    }

    void skipsBothWays()
    {
        SessionPlayer player(morning(), kStarted, 0);
        player.next(5'000);
        QCOMPARE(player.currentIndex(), 1);
        QCOMPARE(player.remainingSeconds(), 30);
        player.advanceTo(15'000);
        player.previous(15'000);
        QCOMPARE(player.currentIndex(), 0);
        QCOMPARE(player.remainingSeconds(), 36);
        player.previous(16'000);
        QCOMPARE(player.currentIndex(), 0);
        QCOMPARE(player.practisedMs(), 16'000);
        for (int i = 0; i < 5; ++i)
            player.next(16'000);
        QCOMPARE(player.current().asana, QStringLiteral("Shavasana"));
        player.next(17'000);
        QCOMPARE(player.state(), SessionPlayer::State::Finished);
        QVERIFY(player.journalEntry().completed);
        QCOMPARE(player.journalEntry().seconds, 17);
        player.previous(18'000);
        QCOMPARE(player.state(), SessionPlayer::State::Finished);
    }

    void stopsPartWay()
    {
        SessionPlayer player(morning(), kStarted, 0);
        player.advanceTo(50'000);
        player.pause(50'000);
        player.stop(90'000);
        QCOMPARE(player.state(), SessionPlayer::State::Stopped);
        player.resume(90'000);
        player.next(91'000);
        QCOMPARE(player.state(), SessionPlayer::State::Stopped);
        const JournalEntry entry = player.journalEntry();
        QVERIFY(!entry.completed);
        QCOMPARE(entry.seconds, 50);
        QCOMPARE(entry.summary, QStringLiteral("2 of 4 poses: Tadasana, Trikonasana"));
    }

    void chimeIsASoftWave()
    {
        const QByteArray wave = chimeWave();
        QDataStream in(wave);
        in.setByteOrder(QDataStream::LittleEndian);
        char tag[4];
        quint32 riffSize = 0, fmtSize = 0, rate = 0, byteRate = 0, dataSize = 0;
        quint16 format = 0, channels = 0, align = 0, bits = 0;
        in.readRawData(tag, 4);
        QCOMPARE(QByteArray(tag, 4), QByteArray("RIFF"));
        in >> riffSize;
        QCOMPARE(qsizetype(riffSize) + 8, wave.size());
        in.readRawData(tag, 4);
        QCOMPARE(QByteArray(tag, 4), QByteArray("WAVE"));
        in.readRawData(tag, 4);
        QCOMPARE(QByteArray(tag, 4), QByteArray("fmt "));
        in >> fmtSize >> format >> channels >> rate >> byteRate >> align >> bits;
        QCOMPARE(fmtSize, 16u);
        QCOMPARE(format, quint16(1));
        QCOMPARE(channels, quint16(1));
        QCOMPARE(rate, 44100u);
        QCOMPARE(byteRate, 88200u);
        QCOMPARE(bits, quint16(16));
        in.readRawData(tag, 4);
        QCOMPARE(QByteArray(tag, 4), QByteArray("data"));
        in >> dataSize;
        QCOMPARE(qsizetype(dataSize), wave.size() - 44);

        QList<int> samples;
        while (!in.atEnd()) {
            qint16 sample = 0;
            in >> sample;
            samples.append(std::abs(int(sample)));
        }
        const auto loudest = std::max_element(samples.cbegin(), samples.cend());
        const qsizetype peakAt = loudest - samples.cbegin();
        // Swells in without a click, peaks early, dies away to silence, never near full scale.
        QVERIFY(samples.first() < 100);
        QVERIFY(*std::max_element(samples.cbegin(), samples.cbegin() + 44) < 2000);
        QVERIFY(peakAt > 441 && peakAt < 4410);
        QVERIFY(*loudest > 6000 && *loudest < 16384);
        QVERIFY(*std::max_element(samples.cend() - 441, samples.cend()) < 200);
        QCOMPARE(samples.last(), 0);
    }

    void chimeSetting()
    {
        tarvo::test::MemorySettings settings;
        QVERIFY(chimeEnabled(settings));
        setChimeEnabled(settings, false);
        QCOMPARE(settings.values.value(QStringLiteral("Practice/Chime")), QStringLiteral("off"));
        QVERIFY(!chimeEnabled(settings));
        setChimeEnabled(settings, true);
        QVERIFY(chimeEnabled(settings));
    }

    void emptySessionIsOverAtOnce()
    {
        SessionPlayer player({QStringLiteral("Empty"), {}}, kStarted, 0);
        QVERIFY(player.isOver());
        QCOMPARE(player.remainingSeconds(), 0);
        QCOMPARE(player.journalEntry().summary, QStringLiteral("0 of 0 poses: "));
    }
};

TARVO_TEST_MAIN(tst_SessionRules)
#include "tst_sessionrules.moc"
