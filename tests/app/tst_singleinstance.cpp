#include "app/SingleInstance.h"
#include "support/TestMain.h"

#include <QFile>
#include <QProcess>

#include <csignal>

using namespace tarvo;

class tst_SingleInstance : public QObject {
    Q_OBJECT

private:
    static QProcessEnvironment programEnvironment()
    {
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
        return env;
    }

private slots:
    void init() { test::failOnUnexpectedWarnings(); }

    void runningProgramHoldsTheLockUntilItDies()
    {
        QProcess program;
        program.setProcessEnvironment(programEnvironment());
        program.start(QStringLiteral(TARVO_EXECUTABLE), {});
        QVERIFY(program.waitForStarted());
        QTRY_VERIFY_WITH_TIMEOUT(QFile::exists(SingleInstance::lockPath()), 10000);

        {
            SingleInstance second;
            QVERIFY(!second.acquire());
        }

        // A crash leaves the lock file behind; it must not block the next start.
        ::kill(pid_t(program.processId()), SIGKILL);
        QVERIFY(program.waitForFinished());
        QVERIFY(QFile::exists(SingleInstance::lockPath()));
        SingleInstance next;
        QVERIFY(next.acquire());
    }

    void withoutADisplayItSaysSoInOneLine()
    {
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        for (const char* name : {"DISPLAY", "WAYLAND_DISPLAY", "QT_QPA_PLATFORM"})
            env.remove(QString::fromLatin1(name));
        QProcess program;
        program.setProcessEnvironment(env);
        program.start(QStringLiteral(TARVO_EXECUTABLE), {});
        QVERIFY(program.waitForFinished(10000));
        QCOMPARE(program.exitCode(), 1);
        const QString error = QString::fromLocal8Bit(program.readAllStandardError());
        QCOMPARE(error.count(QLatin1Char('\n')), 1);
        QVERIFY(error.contains(QStringLiteral("display")));
        QVERIFY(error.contains(QStringLiteral("xvfb-run")));
    }
};

TARVO_TEST_MAIN(tst_SingleInstance)
#include "tst_singleinstance.moc"
