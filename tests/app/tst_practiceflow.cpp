#include "app/MainWindow.h"
#include "practice/PracticeFlow.h"
#include "practice/PracticeStoreOpening.h"
#include "practice/sessions/SessionPlayerWindow.h"
#include "support/TestMain.h"
#include "support/WindowFixture.h"

#include <QAction>
#include <QListWidget>
#include <QProcess>
#include <QStandardPaths>
#include <QTableView>
#include <QTemporaryDir>

using namespace tarvo;
using test::in;

// From the Practice menu to the journal file: a saved session played to its end is listed in
// the journal window and is in the database for any SQLite reader.
class tst_PracticeFlow final : public QObject {
    Q_OBJECT

    QTemporaryDir m_data;
    std::unique_ptr<test::MainWindowFixture> m_fixture;

    QWidget* child(const char* name) const { return m_fixture->child(QString::fromLatin1(name)); }
    void trigger(const char* action)
    {
        auto* item = m_fixture->window->findChild<QAction*>(QString::fromLatin1(action));
        QVERIFY(item);
        item->trigger();
    }
    QString databasePath() const { return m_data.filePath(QStringLiteral("practice.sqlite")); }

private slots:
    void init()
    {
        test::failOnUnexpectedWarnings();
        QVERIFY(m_data.isValid());
        m_fixture = std::make_unique<test::MainWindowFixture>(ProgramWindows{});
        m_fixture->seams.settings.values.insert(QStringLiteral("Practice/Chime"),
                                                QStringLiteral("off"));
        practice::PracticeStoreOpening opening =
            practice::openPracticeStore(m_data.path(), m_fixture->seams.clock.now());
        QCOMPARE(opening.outcome, practice::PracticeStoreOpening::Outcome::Opened);
        m_fixture->window->practice().setStore(std::move(opening.store));
    }

    void cleanup()
    {
        m_fixture.reset();
        QTRY_VERIFY(QApplication::topLevelWidgets().isEmpty());
    }

    // Closing the last practice window (by its close box) brings the welcome panel back, as the
    // programs' windows do.
    void welcomePanelComesBackAfterTheLastPracticeWindow()
    {
        QVERIFY(m_fixture->window->welcomePanelVisible());
        trigger("mnuJournal");
        trigger("mnuBreathingGuide");
        QVERIFY(!m_fixture->window->welcomePanelVisible());
        child("frmJournal")->parentWidget()->close();
        QTest::qWait(20);
        QVERIFY(!m_fixture->window->welcomePanelVisible());
        child("frmBreathingGuide")->parentWidget()->close();
        QTRY_VERIFY(m_fixture->window->welcomePanelVisible());
    }

    void onePoseSessionReachesTheJournalAndTheFile()
    {
        const practice::Session session{
            QStringLiteral("One pose"),
            {{QStringLiteral("Tadasana"), 5, practice::HoldUnit::Seconds, false}}};
        QVERIFY(m_fixture->window->practice().store().saveSession(session));

        trigger("mnuSessions");
        QWidget* sessions = child("frmSessions");
        QVERIFY(sessions);
        QCOMPARE(in<QListWidget>(sessions, QStringLiteral("lstSessions"))->currentItem()->text(),
                 QStringLiteral("One pose"));
        test::click(sessions, QStringLiteral("cmdStart"));
        test::click(child("frmSessionCautions"), QStringLiteral("cmdStartSession"));
        auto* player = qobject_cast<practice::SessionPlayerWindow*>(child("frmSessionPlayer"));
        QVERIFY(player);
        qint64 now = 0;
        player->setTimeSource([&now] { return now; });
        // Eight seconds to get ready, then the hold.
        now = 12'999;
        player->tick();
        QVERIFY(m_fixture->window->practice().store().entries().isEmpty());
        now = 13'000;
        player->tick();

        trigger("mnuJournal");
        auto* table = in<QTableView>(child("frmJournal"), QStringLiteral("lstJournal"));
        QVERIFY(table);
        const QAbstractItemModel* model = table->model();
        QCOMPARE(model->rowCount(), 1);
        const auto cell = [model](int column) { return model->index(0, column).data().toString(); };
        QVERIFY(cell(1).startsWith(QStringLiteral("\u2068One pose\u2069: ")));
        QVERIFY(cell(1).contains(QStringLiteral("Tadasana")));
        QCOMPARE(cell(2), QStringLiteral("0.1"));
        QCOMPARE(cell(3), QStringLiteral("Completed"));

        if (QStandardPaths::findExecutable(QStringLiteral("sqlite3")).isEmpty())
            QSKIP("the sqlite3 command-line tool is not installed");
        QProcess sqlite;
        sqlite.start(QStringLiteral("sqlite3"),
                     {QStringLiteral("-readonly"), databasePath(),
                      QStringLiteral("SELECT kind, title, seconds, completed FROM entries")});
        QVERIFY(sqlite.waitForFinished());
        QCOMPARE(sqlite.exitCode(), 0);
        QCOMPARE(QString::fromUtf8(sqlite.readAllStandardOutput()).trimmed(),
                 QStringLiteral("session|One pose|5|1"));
    }
};

TARVO_TEST_MAIN(tst_PracticeFlow)
#include "tst_practiceflow.moc"
