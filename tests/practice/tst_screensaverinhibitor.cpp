#include "practice/MemoryPracticeStore.h"
#include "practice/ScreenSaverInhibitor.h"
#include "practice/sessions/SessionPlayerWindow.h"
#include "support/TestContext.h"
#include "support/TestMain.h"

#include <QDBusConnection>
#include <QDBusConnectionInterface>
#include <QProcess>
#include <QStandardPaths>

using namespace tarvo;
using practice::ScreenSaverInhibitor;

namespace {

const QString kService = QStringLiteral("org.freedesktop.ScreenSaver");
const QString kReason = QStringLiteral("A guided yoga session is playing");

// The desktop's screen-saver service as the program sees it on the session bus: it hands out a
// cookie for each inhibition and wants the same cookie back.
class FakeScreenSaver final : public QObject {
    Q_OBJECT
    Q_CLASSINFO("D-Bus Interface", "org.freedesktop.ScreenSaver")

public:
    QStringList calls;
    QList<uint> held;

public slots:
    uint Inhibit(const QString& application, const QString& reason)
    {
        const uint cookie = m_nextCookie++;
        calls << QStringLiteral("Inhibit %1: %2 -> %3").arg(application, reason).arg(cookie);
        held << cookie;
        return cookie;
    }
    void UnInhibit(uint cookie)
    {
        calls << QStringLiteral("UnInhibit %1").arg(cookie);
        held.removeOne(cookie);
    }

private:
    uint m_nextCookie = 7;
};

} // namespace

class tst_ScreenSaverInhibitor : public QObject {
    Q_OBJECT

private:
    QProcess m_bus;
    FakeScreenSaver m_screenSaver;
    QString m_application;

    QString inhibited(uint cookie) const
    {
        return QStringLiteral("Inhibit %1: %2 -> %3").arg(m_application, kReason).arg(cookie);
    }
    static QString uninhibited(uint cookie) { return QStringLiteral("UnInhibit %1").arg(cookie); }

    // The fake service on a connection of its own, as another process on the bus would be.
    static QDBusConnection serviceSide() { return QDBusConnection(QStringLiteral("screen-saver")); }

private slots:
    void initTestCase()
    {
        if (QStandardPaths::findExecutable(QStringLiteral("dbus-daemon")).isEmpty())
            QSKIP("needs dbus-daemon (Debian package dbus-daemon)");
        m_bus.start(QStringLiteral("dbus-daemon"),
                    {QStringLiteral("--session"), QStringLiteral("--nofork"),
                     QStringLiteral("--print-address=1")});
        QVERIFY(m_bus.waitForStarted());
        QTRY_VERIFY_WITH_TIMEOUT(m_bus.canReadLine(), 10000);
        const QByteArray address = m_bus.readLine().trimmed();
        // The program's own connection is made on first use, from this variable.
        qputenv("DBUS_SESSION_BUS_ADDRESS", address);
        QVERIFY(QDBusConnection::sessionBus().isConnected());

        QDBusConnection service = QDBusConnection::connectToBus(QString::fromLatin1(address),
                                                                QStringLiteral("screen-saver"));
        QVERIFY(service.isConnected());
        QVERIFY(service.registerObject(QStringLiteral("/org/freedesktop/ScreenSaver"),
                                       &m_screenSaver, QDBusConnection::ExportAllSlots));
        QVERIFY(service.registerService(kService));
        m_application = QCoreApplication::applicationName();
    }

    void cleanupTestCase()
    {
        QDBusConnection::disconnectFromBus(QStringLiteral("screen-saver"));
        m_bus.terminate();
        m_bus.waitForFinished();
    }

    void init()
    {
        test::failOnUnexpectedWarnings();
        // Each case on its own, even after one that left a hold behind.
        m_screenSaver.calls.clear();
        m_screenSaver.held.clear();
    }

    void heldWhileWantedAndReleasedWithItsCookie()
    {
        ScreenSaverInhibitor awake;
        awake.inhibit(kReason);
        QTRY_COMPARE(m_screenSaver.held.size(), 1);
        const uint cookie = m_screenSaver.held.first();
        QCOMPARE(m_screenSaver.calls, QStringList{inhibited(cookie)});
        // Asked again while held, it does not take a second hold.
        awake.inhibit(kReason);
        awake.release();
        QTRY_COMPARE(m_screenSaver.calls, (QStringList{inhibited(cookie), uninhibited(cookie)}));
        QVERIFY(m_screenSaver.held.isEmpty());
    }

    // Released before the service answered: the hold that arrives late is given back at once.
    void releasedBeforeTheAnswerStillGivesTheHoldBack()
    {
        {
            ScreenSaverInhibitor awake;
            awake.inhibit(kReason);
            awake.release();
            QTRY_COMPARE(m_screenSaver.calls.size(), 2);
        }
        QCOMPARE(m_screenSaver.calls.at(1),
                 uninhibited(m_screenSaver.calls.at(0).section(u' ', -1).toUInt()));
        QVERIFY(m_screenSaver.held.isEmpty());
    }

    // Gone before the service answered: the hold is given back when the answer comes.
    void destroyedBeforeTheAnswerStillGivesTheHoldBack()
    {
        {
            ScreenSaverInhibitor awake;
            awake.inhibit(kReason);
        }
        QTRY_COMPARE(m_screenSaver.calls.size(), 2);
        QVERIFY(m_screenSaver.held.isEmpty());
    }

    void destroyedWhileHeldReleases()
    {
        {
            ScreenSaverInhibitor awake;
            awake.inhibit(kReason);
            QTRY_COMPARE(m_screenSaver.held.size(), 1);
        }
        QTRY_VERIFY(m_screenSaver.held.isEmpty());
    }

    void withoutTheServiceNothingIsAsked()
    {
        QVERIFY(serviceSide().unregisterService(kService));
        const auto back = qScopeGuard([this] { QVERIFY(serviceSide().registerService(kService)); });
        ScreenSaverInhibitor awake;
        awake.inhibit(kReason);
        QTest::qWait(100);
        awake.release();
        QVERIFY(m_screenSaver.calls.isEmpty());
    }

    // The screen stays awake while a session plays, not while it is paused or over.
    void aPlayingSessionKeepsTheScreenAwake()
    {
        test::TestContext seams;
        seams.settings.values.insert(QStringLiteral("Practice/Chime"), QStringLiteral("off"));
        practice::MemoryPracticeStore store;
        practice::SessionPlayerWindow player(
            seams.context(), store,
            {QStringLiteral("Awake"),
             {{QStringLiteral("Tadasana"), 5, practice::HoldUnit::Seconds, false}}});
        QTRY_COMPARE(m_screenSaver.held.size(), 1);
        player.togglePause();
        QTRY_VERIFY(m_screenSaver.held.isEmpty());
        player.togglePause();
        QTRY_COMPARE(m_screenSaver.held.size(), 1);
        player.stopOrClose();
        QTRY_VERIFY(m_screenSaver.held.isEmpty());
        QCOMPARE(m_screenSaver.calls.size(), 4);
    }
};

TARVO_TEST_MAIN(tst_ScreenSaverInhibitor)
#include "tst_screensaverinhibitor.moc"
