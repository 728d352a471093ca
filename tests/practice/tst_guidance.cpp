#include "asanas/PoseFacts.h"
#include "practice/BreathingGuidance.h"
#include "practice/SessionGuidance.h"

#include <QtTest>

using namespace tarvo;
using namespace tarvo::practice;

namespace {

// What was said and sounded, in order: "say: …", "tone: count", "hush".
class RecordingOutput final : public GuidanceOutput {
public:
    void say(const QString& text) override { log.append(QStringLiteral("say: ") + text); }
    void play(Tone tone) override { log.append(QStringLiteral("tone: ") + toneKey(tone).mid(5)); }
    void hush() override { log.append(QStringLiteral("hush")); }
    QStringList log;
};

QString entryCue(const char* pose)
{
    return poseFacts(QString::fromLatin1(pose))->entryCue;
}

QString exitCue(const char* pose)
{
    return poseFacts(QString::fromLatin1(pose))->exitCue;
}

} // namespace

Q_DECLARE_METATYPE(tarvo::practice::HoldUnit)
Q_DECLARE_METATYPE(tarvo::practice::BreathingGuidance::Mode)

class tst_Guidance final : public QObject {
    Q_OBJECT

private slots:
    // A two-sided pose and a seat, with a pause, two skips and a stop, followed as the player's
    // window does, four times a second.
    void sessionSaysWhatToDoAndStopsWhenStopped()
    {
        const Session session{QStringLiteral("Two"),
                              {{QStringLiteral("Trikonasana"), 4, HoldUnit::Breaths, true},
                               {QStringLiteral("Vajrasana"), 60, HoldUnit::Seconds, false}}};
        SessionPlayer player(session, QDateTime(QDate(2026, 3, 1), QTime(7, 0)), 0);
        RecordingOutput output;
        SessionGuidance guidance(output);
        qint64 now = 0;
        const auto playUntil = [&](qint64 until) {
            for (; now <= until; now += 250) {
                player.advanceTo(now);
                guidance.follow(player);
            }
        };
        playUntil(34'000);
        player.pause(now);
        guidance.follow(player);
        now = 40'000;
        player.resume(now);
        playUntil(41'000);
        player.next(now);
        guidance.follow(player);
        player.next(now);
        guidance.follow(player);
        playUntil(45'000);
        player.stop(now);
        guidance.follow(player);
        playUntil(60'000);
        player.next(now);
        guidance.follow(player);

        const QStringList expected = {
            "hush",
            "say: Next: Trikonasana, Triangle Pose, right side. " + entryCue("Trikonasana"),
            "hush",
            "say: Hold for four breaths.",
            "say: Keep breathing evenly.",
            "tone: count",
            "tone: count",
            "tone: count",
            "hush",
            "say: Release. " + exitCue("Trikonasana"),
            "say: Next: Trikonasana, Triangle Pose, left side. " + entryCue("Trikonasana"),
            "hush",
            "hush",
            "say: Hold for four breaths.",
            "hush",
            "say: Release. " + exitCue("Trikonasana"),
            "say: Next: Vajrasana, Thunderbolt Pose. " + entryCue("Vajrasana"),
            "hush"};
        QCOMPARE(output.log, expected);
    }

    void finishedSessionSaysSo()
    {
        SessionPlayer player(
            {QStringLiteral("One"), {{QStringLiteral("Tadasana"), 3, HoldUnit::Times, false}}},
            QDateTime(QDate(2026, 3, 1), QTime(7, 0)), 0);
        RecordingOutput output;
        SessionGuidance guidance(output);
        for (qint64 now = 0; now <= 40'000; now += 500) {
            player.advanceTo(now);
            guidance.follow(player);
        }
        QCOMPARE(output.log.mid(2, 2), (QStringList{"hush", "say: Three times."}));
        QCOMPARE(output.log.mid(output.log.size() - 5),
                 (QStringList{"tone: count", "tone: count", "tone: count", "hush",
                              "say: The session is complete. Rest as long as you like."}));
    }

    void holdsAreSaidAsAVoiceSaysThem_data()
    {
        QTest::addColumn<int>("hold");
        QTest::addColumn<HoldUnit>("unit");
        QTest::addColumn<QString>("said");
        QTest::addRow("one breath") << 1 << HoldUnit::Breaths << "Hold for one breath.";
        QTest::addRow("thirty seconds") << 30 << HoldUnit::Seconds << "Hold for thirty seconds.";
        QTest::addRow("twenty-five") << 25 << HoldUnit::Seconds << "Hold for twenty-five seconds.";
        QTest::addRow("five minutes") << 300 << HoldUnit::Seconds << "Stay for five minutes.";
        QTest::addRow("ninety seconds") << 90 << HoldUnit::Seconds << "Hold for ninety seconds.";
        QTest::addRow("once") << 1 << HoldUnit::Times << "Once.";
        QTest::addRow("one hundred and five")
            << 105 << HoldUnit::Times << "One hundred and five times.";
    }

    void holdsAreSaidAsAVoiceSaysThem()
    {
        QFETCH(int, hold);
        QFETCH(HoldUnit, unit);
        QFETCH(QString, said);
        QCOMPARE(holdSentence({QStringLiteral("Tadasana"), hold, unit, false}), said);
    }

    // Words or tones a phase, the count of slow phases, ticks for strokes; a pause hushes and
    // the phase is said again after it.
    void breathingIsSaidOrSounded_data()
    {
        QTest::addColumn<QString>("pattern");
        QTest::addColumn<BreathingGuidance::Mode>("mode");
        QTest::addColumn<int>("untilMs");
        QTest::addColumn<QStringList>("log");
        QTest::addColumn<QStringList>("afterPause");
        QTest::addRow("alternate nostrils, voice")
            << "nadi-shodhana" << BreathingGuidance::Mode::Voice << 6'000
            << QStringList{"say: In, left",   "say: two", "say: three", "say: four",
                           "say: Out, right", "say: two", "say: three"}
            << QStringList{"hush", "say: Out, right"};
        QTest::addRow("box, tones, silent hold")
            << "box" << BreathingGuidance::Mode::Tones << 13'000
            << QStringList{"tone: rising", "tone: falling"} << QStringList{"hush"};
        QTest::addRow("forceful, a tick a stroke")
            << "kapalbhati" << BreathingGuidance::Mode::Voice << 5'600
            << QStringList{"say: In",   "say: two",   "say: three",
                           "say: four", "tone: tick", "tone: tick"}
            << QStringList{"hush"};
    }

    void breathingIsSaidOrSounded()
    {
        QFETCH(QString, pattern);
        QFETCH(BreathingGuidance::Mode, mode);
        QFETCH(int, untilMs);
        QFETCH(QStringList, log);
        QFETCH(QStringList, afterPause);
        BreathingEngine engine(*breathingPattern(pattern), 2);
        engine.start(0, QDateTime(QDate(2026, 3, 1), QTime(7, 0)));
        RecordingOutput output;
        BreathingGuidance guidance(output, mode);
        for (qint64 now = 0; now <= untilMs; now += 100)
            guidance.follow(engine.state(now));
        QCOMPARE(output.log, log);

        output.log.clear();
        engine.pause(untilMs);
        guidance.follow(engine.state(untilMs));
        guidance.follow(engine.state(untilMs + 500));
        engine.resume(untilMs + 5'000);
        guidance.follow(engine.state(untilMs + 5'000));
        QCOMPARE(output.log, afterPause);
    }
};

QTEST_GUILESS_MAIN(tst_Guidance)
#include "tst_guidance.moc"
