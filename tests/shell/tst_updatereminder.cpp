#include "shell/AppContext.h"
#include "shell/MakerPages.h"
#include "shell/UpdateReminder.h"
#include "support/TestContext.h"
#include "support/TestMain.h"

using namespace tarvo;

class tst_UpdateReminder : public QObject {
    Q_OBJECT

private slots:
    void init() { test::failOnUnexpectedWarnings(); }

    void action_data()
    {
        QTest::addColumn<QString>("stored");
        QTest::addColumn<int>("expected");
        const QDateTime now(QDate(2026, 3, 1), QTime(10, 0));
        auto daysAgo = [&](int days) { return reminderValue(now.addDays(-days)); };
        QTest::addRow("first run") << QString() << int(ReminderAction::StoreNow);
        QTest::addRow("unreadable")
            << QStringLiteral("last Tuesday") << int(ReminderAction::StoreNow);
        QTest::addRow("today") << daysAgo(0) << int(ReminderAction::StayQuiet);
        QTest::addRow("14 days ago") << daysAgo(14) << int(ReminderAction::StayQuiet);
        QTest::addRow("15 days ago") << daysAgo(15) << int(ReminderAction::Ask);
        QTest::addRow("14 days ahead") << daysAgo(-14) << int(ReminderAction::StayQuiet);
        QTest::addRow("15 days ahead") << daysAgo(-15) << int(ReminderAction::Ask);
        // Calendar days count, not 24-hour periods.
        QTest::addRow("14 days and a late hour")
            << reminderValue(QDateTime(QDate(2026, 2, 15), QTime(23, 59)))
            << int(ReminderAction::StayQuiet);
        QTest::addRow("15 days, early hour")
            << reminderValue(QDateTime(QDate(2026, 2, 14), QTime(23, 59)))
            << int(ReminderAction::Ask);
    }
    void action()
    {
        QFETCH(QString, stored);
        QFETCH(int, expected);
        const QDateTime now(QDate(2026, 3, 1), QTime(10, 0));
        QCOMPARE(int(reminderAction(stored, now)), expected);
    }

    void firstRunStoresWithoutAsking()
    {
        test::TestContext t;
        runUpdateReminder(t.context(), nullptr);
        QVERIFY(t.desktop.messages.isEmpty());
        QCOMPARE(t.settings.values.value(QStringLiteral("UpdateReminder/LastReminder")),
                 reminderValue(t.clock.time));
    }

    void recentReminderStoresNothing()
    {
        test::TestContext t;
        const QString stored = reminderValue(t.clock.time.addDays(-3));
        t.settings.values.insert(QStringLiteral("UpdateReminder/LastReminder"), stored);
        runUpdateReminder(t.context(), nullptr);
        QVERIFY(t.desktop.messages.isEmpty());
        QCOMPARE(t.settings.values.value(QStringLiteral("UpdateReminder/LastReminder")), stored);
    }

    void answeringNoStillStores()
    {
        test::TestContext t;
        t.settings.values.insert(QStringLiteral("UpdateReminder/LastReminder"),
                                 reminderValue(t.clock.time.addDays(-30)));
        t.desktop.answers.push_back(MessageAnswer::No);
        runUpdateReminder(t.context(), nullptr);
        QCOMPARE(t.desktop.messages.size(), 1);
        QCOMPARE(t.desktop.messages[0].icon, MessageIcon::Information);
        QCOMPARE(t.desktop.messages[0].buttons, MessageButtons::YesNo);
        QVERIFY(t.desktop.messages[0].text.startsWith(
            QStringLiteral("There maybe an update to this software available")));
        QVERIFY(t.desktop.openedUrls.isEmpty());
        QCOMPARE(t.settings.values.value(QStringLiteral("UpdateReminder/LastReminder")),
                 reminderValue(t.clock.time));
        // And the next opening within the fortnight asks nothing.
        runUpdateReminder(t.context(), nullptr);
        QCOMPARE(t.desktop.messages.size(), 1);
    }

    void answeringYesOpensTheDownloadPage()
    {
        test::TestContext t;
        t.settings.values.insert(QStringLiteral("UpdateReminder/LastReminder"),
                                 reminderValue(t.clock.time.addDays(40)));
        t.desktop.answers.push_back(MessageAnswer::Yes);
        runUpdateReminder(t.context(), nullptr);
        QCOMPARE(t.desktop.openedUrls, QList<QUrl>{makerPageUrl(MakerPage::DownloadWebPage)});
        QCOMPARE(t.desktop.openedUrls[0].query(), QStringLiteral("page=download-web-page"));
        QCOMPARE(t.desktop.openedUrls[0].path(), QStringLiteral("/tarvo-free-yoga/ssd.php"));
    }
};

TARVO_TEST_MAIN(tst_UpdateReminder)
#include "tst_updatereminder.moc"
