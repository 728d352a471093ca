#include "asanas/PoseFacts.h"
#include "practice/VoiceSettings.h"
#include "practice/breathing/BreathingGuidance.h"
#include "practice/sessions/ResumePoint.h"
#include "practice/sessions/SessionGuidance.h"
#include "support/TestContext.h"

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

    // A stopped session is taken up again from its pose the same day, never another.
    void resumedFromItsPoseTheSameDay_data()
    {
        QTest::addColumn<QString>("stored");
        QTest::addColumn<bool>("found");
        const ResumePoint point{{QStringLiteral("Evening \"easy\""),
                                 {{QStringLiteral("Tadasana"), 5, HoldUnit::Times, false},
                                  {QStringLiteral("Trikonasana"), 20, HoldUnit::Seconds, true},
                                  {QStringLiteral("Shavasana"), 300, HoldUnit::Seconds, false}}},
                                1,
                                QDate(2026, 3, 1)};
        tarvo::test::MemorySettings settings;
        storeResumePoint(settings, point);
        const QString today = settings.values.value(QStringLiteral("Practice/Resume"));
        QTest::addRow("today") << today << true;
        QTest::addRow("yesterday")
            << QString(today).replace(QStringLiteral("2026-03-01"), QStringLiteral("2026-02-28"))
            << false;
        QTest::addRow("a pose past the end")
            << QString(today).replace(QStringLiteral("\"pose\":1"), QStringLiteral("\"pose\":3"))
            << false;
        QTest::addRow("not written by the program") << "{\"pose\":" << false;
        QTest::addRow("cleared") << "" << false;
    }

    void resumedFromItsPoseTheSameDay()
    {
        QFETCH(QString, stored);
        QFETCH(bool, found);
        tarvo::test::MemorySettings settings;
        settings.values.insert(QStringLiteral("Practice/Resume"), stored);
        const auto point = resumePoint(settings, QDate(2026, 3, 1));
        QCOMPARE(point.has_value(), found);
        if (!found)
            return;
        QCOMPARE(remainingSession(*point).steps.size(), 2);
        QCOMPARE(remainingSession(*point).steps.first(),
                 (SessionStep{QStringLiteral("Trikonasana"), 20, HoldUnit::Seconds, true}));
        QCOMPARE(resumeText(*point),
                 QStringLiteral("Resume \u201c\u2068Evening \"easy\"\u2069\u201d at Trikonasana"));
        clearResumePoint(settings);
        QVERIFY(!resumePoint(settings, QDate(2026, 3, 1)));
    }

    void voiceSettingsReadWhatIsSafe_data()
    {
        QTest::addColumn<QString>("rate");
        QTest::addColumn<QString>("volume");
        QTest::addColumn<double>("readRate");
        QTest::addColumn<double>("readVolume");
        QTest::addRow("as stored") << "-0.5"
                                   << "0.3" << -0.5 << 0.3;
        QTest::addRow("out of range") << "4"
                                      << "-1" << 0.0 << 0.8;
        QTest::addRow("not numbers") << "fast"
                                     << "loud" << 0.0 << 0.8;
    }

    void voiceSettingsReadWhatIsSafe()
    {
        QFETCH(QString, rate);
        QFETCH(QString, volume);
        QFETCH(double, readRate);
        QFETCH(double, readVolume);
        tarvo::test::MemorySettings settings;
        QCOMPARE(voiceSettings(settings), VoiceSettings{});
        settings.values.insert(QStringLiteral("Practice/VoiceRate"), rate);
        settings.values.insert(QStringLiteral("Practice/VoiceVolume"), volume);
        QCOMPARE(voiceSettings(settings).rate, readRate);
        QCOMPARE(voiceSettings(settings).volume, readVolume);
        const VoiceSettings chosen{false, QStringLiteral("slt"), 0.5, 0.25, false};
        storeVoiceSettings(settings, chosen);
        QCOMPARE(voiceSettings(settings), chosen);
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
