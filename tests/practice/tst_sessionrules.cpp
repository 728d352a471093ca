#include "asanas/AsanaCatalogue.h"
#include "asanas/PoseFacts.h"
#include "chakra/ChakraAsanas.h"
#include "practice/Chime.h"
#include "practice/sessions/ReadyMadeSession.h"
#include "practice/sessions/SessionPlayer.h"
#include "support/TestContext.h"
#include "support/TestMain.h"
#include "zodiac/ZodiacAsanas.h"

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

// 36 s, 30 s on each side, three roars of 12 s, 180 s, each after 8 s to get ready.
Session morning()
{
    return {QStringLiteral("Morning"),
            {{QStringLiteral("Tadasana"), 6, HoldUnit::Breaths, false},
             {QStringLiteral("Trikonasana"), 5, HoldUnit::Breaths, true},
             {QStringLiteral("Simhasana"), 3, HoldUnit::Times, false},
             {QStringLiteral("Shavasana"), 180, HoldUnit::Seconds, false}}};
}
constexpr double kTotal = 5 * 8 + 36 + 30 + 30 + 36 + 180;

} // namespace

class tst_SessionRules : public QObject {
    Q_OBJECT

private slots:
    void init() { tarvo::test::failOnUnexpectedWarnings(); }

    // Every ready-made session of the program, checked against the rules of a safe running
    // order and the poses' own beginner holds.
    void readyMadeSessionsAreSafe_data()
    {
        QTest::addColumn<QStringList>("asked");
        for (int sign = 0; sign < tarvo::kSunSignCount; ++sign) {
            QStringList names;
            for (const tarvo::AsanaRecommendation& r :
                 tarvo::recommendedAsanas(static_cast<tarvo::SunSign>(sign)))
                names.append(tarvo::zodiacAsanaName(r.index));
            QTest::addRow("%s", qPrintable(tarvo::signName(static_cast<tarvo::SunSign>(sign))))
                << names;
        }
        for (int chakra = 0; chakra < tarvo::kChakraCount; ++chakra) {
            QStringList names;
            for (const tarvo::AsanaSlot& slot : tarvo::chakraAsanaSlots()) {
                if (int(slot.chakra) == chakra)
                    names.append(tarvo::chakraYogaAsanas().at(slot.asana).name);
            }
            QTest::addRow("chakra %d", chakra) << names;
        }
    }

    void readyMadeSessionsAreSafe()
    {
        QFETCH(QStringList, asked);
        const ReadyMadeSession made = readyMadeSession(QStringLiteral("Test"), asked);
        const QStringList names = namesOf(made.session);
        QCOMPARE(names.mid(0, 2), (QStringList{"Pavanamuktasana", "Tadasana"}));
        QCOMPARE(made.session.steps.last(),
                 (SessionStep{QStringLiteral("Shavasana"), 300, HoldUnit::Seconds, false}));
        int lastStanding = -1;
        int firstInversion = int(names.size());
        for (int i = 0; i < names.size(); ++i) {
            const tarvo::PoseFacts* facts = tarvo::poseFacts(names.at(i));
            QVERIFY(facts);
            QVERIFY2(facts->level != tarvo::PoseLevel::Advanced, qPrintable(names.at(i)));
            if (facts->family == tarvo::PoseFamily::Standing
                || facts->family == tarvo::PoseFamily::Balance)
                lastStanding = i;
            if (facts->family == tarvo::PoseFamily::Inversion)
                firstInversion = std::min(firstInversion, i);
            const SessionStep& step = made.session.steps.at(i);
            QCOMPARE(step.bothSides, facts->firstSide.has_value());
            if (names.at(i) != QStringLiteral("Shavasana")) {
                QVERIFY(step.hold >= facts->hold.from && step.hold <= facts->hold.to);
                QCOMPARE(step.unit == HoldUnit::Times,
                         facts->hold.unit == tarvo::BeginnerHold::Unit::Times);
            }
            // A backbend is followed by a resting pose or a forward bend, unless it is itself
            // the counterpose of the inversions before it.
            if (facts->family == tarvo::PoseFamily::Backbend && i < firstInversion) {
                const bool balanced =
                    std::any_of(names.cbegin() + i + 1, names.cend() - 1, [](const QString& later) {
                        const auto family = tarvo::poseFacts(later)->family;
                        return family == tarvo::PoseFamily::Relaxation
                               || family == tarvo::PoseFamily::ForwardBend;
                    });
                QVERIFY2(balanced, qPrintable(names.join(u',')));
            }
        }
        QVERIFY(lastStanding < firstInversion);
        // No pose twice, and every pose asked for is there or said to be left out.
        QCOMPARE(QSet<QString>(names.cbegin(), names.cend()).size(), names.size());
        for (const QString& name : asked) {
            const QString library = tarvo::libraryAsanaName(name);
            QVERIFY(names.contains(library) || made.notes.join(u' ').contains(library));
        }
    }

    void readyMadeOrder_data()
    {
        QTest::addColumn<QStringList>("asked");
        QTest::addColumn<QStringList>("session");
        QTest::addRow("inversions last, shoulder stand first, fish after")
            << QStringList{"Halasana", "Matsyasana", "Sarvangasana", "Trikonasana"}
            << QStringList{"Pavanamuktasana", "Tadasana",   "Trikonasana", "Sarvangasana",
                           "Halasana",        "Matsyasana", "Shavasana"};
        QTest::addRow("backbends gentlest first, then rest")
            << QStringList{"Dhanurasana", "Makarasana", "Bhujangasana"}
            << QStringList{"Pavanamuktasana", "Tadasana",   "Bhujangasana",
                           "Dhanurasana",     "Makarasana", "Shavasana"};
        QTest::addRow("the bow prepared by the cobra")
            << QStringList{"Dhanurasana"}
            << QStringList{"Pavanamuktasana", "Tadasana",   "Bhujangasana",
                           "Dhanurasana",     "Makarasana", "Shavasana"};
        QTest::addRow("camel balanced by a forward bend")
            << QStringList{"Ustrasana"}
            << QStringList{"Pavanamuktasana", "Tadasana", "Ustrasana", "Paschimottanasana",
                           "Shavasana"};
        QTest::addRow("advanced left out")
            << QStringList{"Mayurasana", "Vajrasana"}
            << QStringList{"Pavanamuktasana", "Tadasana", "Vajrasana", "Shavasana"};
        QTest::addRow("reading spellings, repeats and unknown names")
            << QStringList{"Tadasana",  "Naukasana",       "Tadasana",
                           "Headstand", "Paschimottasana", "Savasana"}
            << QStringList{"Pavanamuktasana", "Tadasana", "Paschimottanasana", "Noukasana",
                           "Shavasana"};
        QTest::addRow("nothing asked")
            << QStringList{} << QStringList{"Pavanamuktasana", "Tadasana", "Shavasana"};
    }

    void readyMadeOrder()
    {
        QFETCH(QStringList, asked);
        QFETCH(QStringList, session);
        const ReadyMadeSession made = readyMadeSession(QStringLiteral(" Aries "), asked);
        QCOMPARE(made.session.name, QStringLiteral("Aries"));
        QCOMPARE(namesOf(made.session), session);
        QCOMPARE(made.notes.join(u' ').contains(QStringLiteral("Mayurasana is left out")),
                 asked.contains(QStringLiteral("Mayurasana")));
    }

    void expandsSidesAndHolds()
    {
        const QList<TimedStep> steps = timedSteps(morning());
        const QList<TimedStep> expected = {
            {0, "Tadasana", Side::None, StepPhase::GetReady, 8, "6 breaths"},
            {0, "Tadasana", Side::None, StepPhase::Hold, 36, "6 breaths"},
            {1, "Trikonasana", Side::Right, StepPhase::GetReady, 8, "5 breaths"},
            {1, "Trikonasana", Side::Right, StepPhase::Hold, 30, "5 breaths"},
            {1, "Trikonasana", Side::Left, StepPhase::GetReady, 8, "5 breaths"},
            {1, "Trikonasana", Side::Left, StepPhase::Hold, 30, "5 breaths"},
            {2, "Simhasana", Side::None, StepPhase::GetReady, 8, "3 times"},
            {2, "Simhasana", Side::None, StepPhase::Hold, 36, "3 times"},
            {3, "Shavasana", Side::None, StepPhase::GetReady, 8, "180 seconds"},
            {3, "Shavasana", Side::None, StepPhase::Hold, 180, "180 seconds"}};
        QCOMPARE(steps, expected);
        // A hold of nothing still shows the pose for a breath.
        const QList<TimedStep> zero =
            timedSteps({QStringLiteral("Z"), {{QStringLiteral("Makarasana"), 0}}});
        QCOMPARE(zero.last().seconds, 6);
        QCOMPARE(zero.last().hold, QStringLiteral("1 breath"));
    }

    void playsToTheEnd()
    {
        SessionPlayer player(morning(), kStarted, 1000);
        QCOMPARE(player.current().phase, StepPhase::GetReady);
        QCOMPARE(player.remainingSeconds(), 8);
        QCOMPARE(player.followingHold()->asana, QStringLiteral("Trikonasana"));
        QVERIFY(player.advanceTo(1000 + 8'000));
        QCOMPARE(player.current().phase, StepPhase::Hold);
        QCOMPARE(player.remainingSeconds(), 36);
        QCOMPARE(player.followingHold()->side, Side::Right);
        QVERIFY(!player.advanceTo(1000 + 8'000 + 35'001));
        QCOMPARE(player.remainingSeconds(), 1);
        QVERIFY(player.advanceTo(1000 + 44'000 + 8'000));
        QCOMPARE(player.currentIndex(), 3);
        QCOMPARE(player.current().side, Side::Right);
        QCOMPARE(player.sessionProgress(), 52.0 / kTotal);
        // One long step of time passes several holds at once.
        QVERIFY(player.advanceTo(1000 + 52'000 + 30'000 + 8'000 + 30'000 + 8'000 + 9'000));
        QCOMPARE(player.currentIndex(), 7);
        QCOMPARE(player.stepProgress(), 0.25);
        player.advanceTo(1000 + 400'000);
        QCOMPARE(player.state(), SessionPlayer::State::Finished);
        QCOMPARE(player.remainingSeconds(), 0);

        const JournalEntry entry = player.journalEntry();
        QCOMPARE(entry.started, kStarted);
        QCOMPARE(entry.kind, PracticeKind::Session);
        QCOMPARE(entry.title, QStringLiteral("Morning"));
        QCOMPARE(entry.seconds, 36 + 60 + 36 + 180);
        QVERIFY(entry.completed);
        QCOMPARE(entry.summary,
                 QStringLiteral("4 of 4 poses: Tadasana, Trikonasana, Simhasana, Shavasana"));
    }

    void pausedTimeIsNotPractice()
    {
        SessionPlayer player(morning(), kStarted, 0);
        player.advanceTo(18'000);
        player.pause(18'000);
        QCOMPARE(player.state(), SessionPlayer::State::Paused);
        QVERIFY(!player.advanceTo(500'000));
        QCOMPARE(player.remainingSeconds(), 26);
        player.resume(500'000);
        // A time source that steps back gives nothing back, nor adds anything.
        player.advanceTo(400'000);
        QCOMPARE(player.remainingSeconds(), 26);
        QVERIFY(player.advanceTo(526'000));
        QCOMPARE(player.currentIndex(), 2);
        player.stop(526'000);
        QCOMPARE(player.journalEntry().seconds, 36);
    }

    // Only a pose held for half its time or more is practice; skipping is not.
    void recordsWhatWasHeld_data()
    {
        QTest::addColumn<QList<int>>("heldSeconds");
        QTest::addColumn<QString>("summary");
        QTest::addColumn<int>("seconds");
        QTest::addColumn<bool>("completed");
        QTest::addRow("skipped through")
            << QList<int>{1, 0, 0, 0, 1} << "0 of 4 poses" << 0 << false;
        QTest::addRow("half and less")
            << QList<int>{18, 15, 14, 0, 0} << "1 of 4 poses: Tadasana" << 18 << false;
        QTest::addRow("both sides together") << QList<int>{36, 29, 2, 18, 180}
                                             << "4 of 4 poses: Tadasana, Trikonasana, "
                                                "Simhasana, Shavasana"
                                             << 36 + 31 + 18 + 180 << true;
        QTest::addRow("one pose short") << QList<int>{36, 30, 30, 17, 180}
                                        << "3 of 4 poses: Tadasana, Trikonasana, "
                                           "Shavasana"
                                        << 36 + 60 + 180 << false;
    }

    void recordsWhatWasHeld()
    {
        QFETCH(QList<int>, heldSeconds);
        QFETCH(QString, summary);
        QFETCH(int, seconds);
        QFETCH(bool, completed);
        SessionPlayer player(morning(), kStarted, 0);
        qint64 now = 0;
        // Each hold is played for the given seconds, then skipped; the get-ready steps are too.
        for (int held : heldSeconds) {
            player.next(now);
            now += qint64(held) * 1000;
            player.advanceTo(now);
            if (player.current().phase == StepPhase::Hold)
                player.next(now);
        }
        QVERIFY(player.isOver());
        const JournalEntry entry = player.journalEntry();
        QCOMPARE(entry.summary, summary);
        QCOMPARE(entry.seconds, seconds);
        QCOMPARE(entry.completed, completed);
    }

    void skipsBothWays()
    {
        SessionPlayer player(morning(), kStarted, 0);
        player.next(5'000);
        QCOMPARE(player.currentIndex(), 1);
        QCOMPARE(player.remainingSeconds(), 36);
        player.advanceTo(15'000);
        player.previous(15'000);
        QCOMPARE(player.currentIndex(), 0);
        QCOMPARE(player.remainingSeconds(), 8);
        player.previous(16'000);
        QCOMPARE(player.currentIndex(), 0);
        for (int i = 0; i < 9; ++i)
            player.next(16'000);
        QCOMPARE(player.current().asana, QStringLiteral("Shavasana"));
        player.next(17'000);
        QCOMPARE(player.state(), SessionPlayer::State::Finished);
        QVERIFY(!player.journalEntry().completed);
        player.previous(18'000);
        QCOMPARE(player.state(), SessionPlayer::State::Finished);
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
        QCOMPARE(player.journalEntry().summary, QStringLiteral("0 of 0 poses"));
        QVERIFY(!player.followingHold());
    }
};

TARVO_TEST_MAIN(tst_SessionRules)
#include "tst_sessionrules.moc"
