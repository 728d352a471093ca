#include "app/SingleInstance.h"
#include "support/TestMain.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLockFile>
#include <QProcess>
#include <QRegularExpression>
#include <QScopeGuard>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <chrono>
#include <csignal>
#include <thread>

using namespace tarvo;

Q_DECLARE_METATYPE(tarvo::SingleInstance::Outcome)

class tst_SingleInstance : public QObject {
    Q_OBJECT

private:
    static QProcessEnvironment programEnvironment()
    {
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
        return env;
    }

    // Read without trying to lock, so the check cannot itself keep the program from its lock.
    static bool lockHeldBy(const QProcess& program)
    {
        QLockFile lock(SingleInstance::lockPath());
        qint64 pid = 0;
        QString host;
        QString application;
        return lock.getLockInfo(&pid, &host, &application) && pid == program.processId();
    }

    // Names of the program's top-level windows on an X display, sorted.
    static QStringList programWindows(const QString& display)
    {
        QProcess info;
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert(QStringLiteral("DISPLAY"), display);
        info.setProcessEnvironment(env);
        info.start(QStringLiteral("xwininfo"), {QStringLiteral("-root"), QStringLiteral("-tree")});
        if (!info.waitForFinished(10000))
            return {};
        static const QRegularExpression line(QStringLiteral("\"([^\"]*)\": \\(\"tarvo-yoga\""));
        QStringList names;
        auto matches = line.globalMatch(QString::fromLocal8Bit(info.readAllStandardOutput()));
        while (matches.hasNext())
            names.append(matches.next().captured(1));
        names.sort();
        return names;
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
            QCOMPARE(second.acquire(), SingleInstance::Outcome::HeldByAnother);
        }

        // A crash leaves the lock file behind; it must not block the next start.
        ::kill(pid_t(program.processId()), SIGKILL);
        QVERIFY(program.waitForFinished());
        QVERIFY(QFile::exists(SingleInstance::lockPath()));
        {
            SingleInstance next;
            QCOMPARE(next.acquire(), SingleInstance::Outcome::Acquired);
        }

        // And the program itself starts again and takes the lock over.
        QProcess again;
        again.setProcessEnvironment(programEnvironment());
        again.start(QStringLiteral(TARVO_EXECUTABLE), {});
        QVERIFY(again.waitForStarted());
        const auto stop = qScopeGuard([&] {
            again.kill();
            again.waitForFinished();
        });
        QTRY_VERIFY_WITH_TIMEOUT(lockHeldBy(again), 10000);
        QCOMPARE(again.state(), QProcess::Running);
    }

    // Started twice in a row, the program shows one main window; the later start only says
    // that it is already running.
    void twoQuickStartsGiveOneMainWindow()
    {
        if (QStandardPaths::findExecutable(QStringLiteral("Xvfb")).isEmpty()
            || QStandardPaths::findExecutable(QStringLiteral("xwininfo")).isEmpty())
            QSKIP("needs Xvfb and xwininfo (Debian packages xvfb and x11-utils)");
        QProcess server;
        server.start(QStringLiteral("Xvfb"),
                     {QStringLiteral("-displayfd"), QStringLiteral("1"), QStringLiteral("-screen"),
                      QStringLiteral("0"), QStringLiteral("1280x800x24"),
                      QStringLiteral("-nolisten"), QStringLiteral("tcp")});
        const auto stopServer = qScopeGuard([&] {
            server.terminate();
            server.waitForFinished();
        });
        QTRY_VERIFY_WITH_TIMEOUT(server.canReadLine(), 10000);
        const QString display = QLatin1Char(':') + QString::fromLatin1(server.readLine()).trimmed();

        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("xcb"));
        env.insert(QStringLiteral("DISPLAY"), display);
        QProcess first;
        QProcess second;
        for (QProcess* program : {&first, &second}) {
            program->setProcessEnvironment(env);
            program->start(QStringLiteral(TARVO_EXECUTABLE), {});
        }
        const auto stopPrograms = qScopeGuard([&] {
            for (QProcess* program : {&first, &second}) {
                program->kill();
                program->waitForFinished();
            }
        });
        QVERIFY(first.waitForStarted());
        QVERIFY(second.waitForStarted());

        const QStringList expected{QStringLiteral("Tarvo Yoga"),
                                   QStringLiteral("Tarvo Yoga v1.15")};
        QTRY_COMPARE_WITH_TIMEOUT(programWindows(display), expected, 20000);
        // Nothing else turns up later.
        QTest::qWait(1000);
        QCOMPARE(programWindows(display), expected);
        QCOMPARE(first.state(), QProcess::Running);
        QCOMPARE(second.state(), QProcess::Running);
    }

    // Only a live owner means "already running"; anything else in the way is a failure with a
    // reason.
    void lockInTheWayIsAFailureNotAnotherInstance()
    {
        QTemporaryDir runtime;
        QVERIFY(runtime.isValid());
        const QByteArray before = qgetenv("XDG_RUNTIME_DIR");
        qputenv("XDG_RUNTIME_DIR", QFile::encodeName(runtime.path()));
        const auto restore = qScopeGuard([&] { qputenv("XDG_RUNTIME_DIR", before); });
        QCOMPARE(QFileInfo(SingleInstance::lockPath()).absolutePath(), runtime.path());

        QVERIFY(QDir(runtime.path()).mkdir(QStringLiteral("tarvo-yoga.lock")));
        {
            SingleInstance blocked;
            QCOMPARE(blocked.acquire(), SingleInstance::Outcome::Failed);
            QCOMPARE(blocked.failureReason(), QStringLiteral("Is a directory"));
        }
        QVERIFY(QDir(runtime.path()).rmdir(QStringLiteral("tarvo-yoga.lock")));
        {
            SingleInstance first;
            QCOMPARE(first.acquire(), SingleInstance::Outcome::Acquired);
            SingleInstance second;
            QCOMPARE(second.acquire(), SingleInstance::Outcome::HeldByAnother);
        }
        QVERIFY(
            QFile::setPermissions(runtime.path(), QFileDevice::ReadOwner | QFileDevice::ExeOwner));
        const auto writable = qScopeGuard([&] {
            QFile::setPermissions(runtime.path(), QFileDevice::ReadOwner | QFileDevice::WriteOwner
                                                      | QFileDevice::ExeOwner);
        });
        QTest::ignoreMessage(QtWarningMsg,
                             QRegularExpression(QStringLiteral("wrong permissions on runtime")));
        SingleInstance unwritable;
        const SingleInstance::Outcome outcome = unwritable.acquire();
        if (outcome == SingleInstance::Outcome::Acquired)
            QSKIP("running with rights that ignore folder permissions");
        QCOMPARE(outcome, SingleInstance::Outcome::Failed);
        QCOMPARE(unwritable.failureReason(), QStringLiteral("Permission denied"));
    }

    // Another start may have created its lock file and not yet written its name into it.
    void lockFileWithoutItsOwnerYet_data()
    {
        QTest::addColumn<int>("ownerWritesAfter");
        QTest::addColumn<SingleInstance::Outcome>("outcome");
        QTest::addRow("owner still writing")
            << SingleInstance::kOwnerWriteGrace / 4 << SingleInstance::Outcome::HeldByAnother;
        QTest::addRow("left empty by a killed start") << -1 << SingleInstance::Outcome::Acquired;
    }
    void lockFileWithoutItsOwnerYet()
    {
        QFETCH(int, ownerWritesAfter);
        QFETCH(SingleInstance::Outcome, outcome);
        const QString path = SingleInstance::lockPath();
        QFile::remove(path);

        // What a live owner writes: this process, as a lock of its own records it.
        QByteArray ownerRecord;
        {
            QLockFile model(path);
            QVERIFY(model.tryLock(0));
            QFile written(path);
            QVERIFY(written.open(QIODevice::ReadOnly));
            ownerRecord = written.readAll();
        }
        QVERIFY(!ownerRecord.isEmpty());

        QFile empty(path);
        QVERIFY(empty.open(QIODevice::WriteOnly));
        empty.close();
        std::thread owner;
        if (ownerWritesAfter >= 0)
            owner = std::thread([&] {
                std::this_thread::sleep_for(std::chrono::milliseconds(ownerWritesAfter));
                QFile record(path);
                if (record.open(QIODevice::ReadWrite))
                    record.write(ownerRecord);
            });
        const auto cleanUp = qScopeGuard([&] {
            if (owner.joinable())
                owner.join();
            QFile::remove(path);
        });

        SingleInstance instance;
        QCOMPARE(instance.acquire(), outcome);
    }

    void withoutADisplayItSaysSoInOneLine_data()
    {
        QTest::addColumn<QString>("display");
        QTest::addRow("none named") << QString();
        QTest::addRow("named but no server") << QStringLiteral(":199");
    }
    void withoutADisplayItSaysSoInOneLine()
    {
        QFETCH(QString, display);
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        for (const char* name : {"DISPLAY", "WAYLAND_DISPLAY", "QT_QPA_PLATFORM"})
            env.remove(QString::fromLatin1(name));
        if (!display.isEmpty())
            env.insert(QStringLiteral("DISPLAY"), display);
        QProcess program;
        program.setProcessEnvironment(env);
        program.start(QStringLiteral(TARVO_EXECUTABLE), {});
        QVERIFY(program.waitForFinished(10000));
        QCOMPARE(program.exitStatus(), QProcess::NormalExit);
        QCOMPARE(program.exitCode(), 1);
        const QString error = QString::fromLocal8Bit(program.readAllStandardError());
        QCOMPARE(error.count(QLatin1Char('\n')), 1);
        QVERIFY(error.contains(QStringLiteral("display")));
        QVERIFY(error.contains(QStringLiteral("xvfb-run")));
    }
};

TARVO_TEST_MAIN(tst_SingleInstance)
#include "tst_singleinstance.moc"
