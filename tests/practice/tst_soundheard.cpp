#include "practice/MemoryPracticeStore.h"
#include "practice/breathing/BreathingGuideWindow.h"
#include "practice/sessions/SessionPlayerWindow.h"
#include "support/TestContext.h"
#include "support/TestMain.h"

#include <QProcess>
#include <QRegularExpression>
#include <QStandardPaths>
#include <QTemporaryDir>

using namespace tarvo;
using namespace tarvo::practice;

// What a user on the mat hears, heard for real: a private sound server with a sink that plays
// nowhere, the sink recorded while a session and the breathing guide play, the recording measured.
class tst_SoundHeard final : public QObject {
    Q_OBJECT

    QTemporaryDir m_dir;
    QProcess m_server;
    QProcess m_recorder;

    // Seconds of sound above a whisper in the recording, and its loudest level.
    static std::pair<double, double> measure(const QString& recording)
    {
        QProcess sox;
        sox.start(QStringLiteral("sox"),
                  {recording, QStringLiteral("-n"), QStringLiteral("silence"), QStringLiteral("1"),
                   QStringLiteral("0.05"), QStringLiteral("1%"), QStringLiteral("-1"),
                   QStringLiteral("0.5"), QStringLiteral("1%"), QStringLiteral("stat")});
        sox.waitForFinished(30'000);
        const QString stat = QString::fromUtf8(sox.readAllStandardError());
        const auto value = [&stat](const char* name) {
            const QRegularExpression line(QString::fromLatin1(name)
                                          + QStringLiteral(":\\s+(\\S+)"));
            return line.match(stat).captured(1).toDouble();
        };
        return {value("Length \\(seconds\\)"), value("Maximum amplitude")};
    }

    void record(const QString& file)
    {
        m_recorder.start(QStringLiteral("parecord"), {QStringLiteral("--device=tarvo.monitor"),
                                                      QStringLiteral("--file-format=wav"), file});
        QVERIFY(m_recorder.waitForStarted());
        QTest::qWait(300);
    }

    void stopRecording()
    {
        m_recorder.terminate();
        QVERIFY(m_recorder.waitForFinished(10'000));
    }

private slots:
    void initTestCase()
    {
        for (const char* tool : {"pulseaudio", "parecord", "sox"}) {
            if (QStandardPaths::findExecutable(QString::fromLatin1(tool)).isEmpty())
                QSKIP(qPrintable(QStringLiteral("needs %1 (Debian packages pulseaudio, "
                                                "pulseaudio-utils and sox)")
                                     .arg(QString::fromLatin1(tool))));
        }
        const QString socket = m_dir.filePath(QStringLiteral("pulse.sock"));
        qputenv("PULSE_RUNTIME_PATH", QFile::encodeName(m_dir.path()));
        m_server.start(
            QStringLiteral("pulseaudio"),
            {QStringLiteral("-n"), QStringLiteral("--daemonize=no"),
             QStringLiteral("--exit-idle-time=-1"), QStringLiteral("--use-pid-file=no"),
             QStringLiteral("-L"), QStringLiteral("module-null-sink sink_name=tarvo"),
             QStringLiteral("-L"),
             QStringLiteral("module-native-protocol-unix auth-anonymous=1 socket=") + socket});
        if (!m_server.waitForStarted()
            || !QTest::qWaitFor([&] { return QFile::exists(socket); }, 10'000))
            QSKIP("no private PulseAudio server could start here");
        qputenv("PULSE_SERVER", QFile::encodeName(QStringLiteral("unix:") + socket));
        qputenv("TARVO_AUDIO_PLUGIN", TARVO_AUDIO_PLUGIN);
    }

    void cleanupTestCase()
    {
        m_server.terminate();
        m_server.waitForFinished(10'000);
    }

    // A one-pose session: the pose said, its hold, the count tones, the end.
    void sessionIsSpoken()
    {
        test::TestContext seams;
        seams.settings.values.insert(QStringLiteral("Practice/Chime"), QStringLiteral("off"));
        MemoryPracticeStore store;
        const QString recording = m_dir.filePath(QStringLiteral("session.wav"));
        record(recording);
        {
            SessionPlayerWindow player(seams.context(), store,
                                       {QStringLiteral("Heard"),
                                        {{QStringLiteral("Tadasana"), 1, HoldUnit::Times, false}}});
            // Played in real time, as a voice needs it: the get-ready and the first seconds.
            qint64 now = 0;
            player.setTimeSource([&now] { return now; });
            for (; now <= 10'000; now += 250) {
                player.tick();
                QTest::qWait(250);
            }
        }
        stopRecording();
        const auto [seconds, loudest] = measure(recording);
        QVERIFY2(seconds >= 2.0, qPrintable(QString::number(seconds)));
        QVERIFY2(loudest > 0.05, qPrintable(QString::number(loudest)));
    }

    // The breathing guide in tones: a rising and a falling tone a breath.
    void breathingIsSounded()
    {
        test::TestContext seams;
        seams.settings.values.insert(QStringLiteral("Practice/Voice"), QStringLiteral("off"));
        MemoryPracticeStore store;
        const QString recording = m_dir.filePath(QStringLiteral("breathing.wav"));
        record(recording);
        {
            BreathingGuideWindow guide(seams.context(), store);
            qint64 now = 0;
            guide.setTimeSource([&now] { return now; });
            guide.start();
            // Two breaths in real time; the last tone has time to reach the recording.
            for (; now <= 9'000; now += 100) {
                guide.refresh();
                QTest::qWait(100);
            }
            guide.stop();
        }
        stopRecording();
        const auto [seconds, loudest] = measure(recording);
        QVERIFY2(seconds >= 0.9, qPrintable(QString::number(seconds)));
        QVERIFY2(loudest > 0.05, qPrintable(QString::number(loudest)));
    }
};

TARVO_TEST_MAIN(tst_SoundHeard)
#include "tst_soundheard.moc"
