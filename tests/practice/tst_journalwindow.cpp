#include "practice/MemoryPracticeStore.h"
#include "practice/PracticeDatabase.h"
#include "practice/PracticeFlow.h"
#include "practice/journal/JournalModel.h"
#include "practice/journal/JournalWindow.h"
#include "practice/journal/WeeklyMinutesChart.h"
#include "support/TestMain.h"
#include "support/WindowFixture.h"

#include <QLabel>
#include <QLineEdit>
#include <QMdiSubWindow>
#include <QMenuBar>
#include <QSignalSpy>
#include <QSqlDatabase>
#include <QSqlQuery>
#include <QTableView>
#include <QTemporaryDir>
#include <QTextLayout>
#include <memory>

using namespace tarvo;
using namespace tarvo::practice;
using test::click;
using test::in;

namespace {

// The fixture's clock reads Sunday 1 March 2026, 10:00.
JournalEntry entry(const QString& title, const QDateTime& started, int seconds, bool completed)
{
    JournalEntry e;
    e.started = started;
    e.title = title;
    e.summary = QStringLiteral("Tadasana, Trikonasana");
    e.seconds = seconds;
    e.completed = completed;
    return e;
}

// A store the test keeps, so what was written can be read after the window has gone; its notes
// can be made to fail, as when the disk is full.
class SharedStore final : public PracticeStore {
public:
    explicit SharedStore(MemoryPracticeStore& kept, bool notesFail = false)
        : m_kept(kept)
        , m_notesFail(notesFail)
    {
    }
    QString error() const override
    {
        return m_notesFail ? QStringLiteral("disk full") : m_kept.error();
    }
    bool addEntry(JournalEntry& entry) override { return m_kept.addEntry(entry); }
    bool setNote(qint64 id, const QString& note) override
    {
        return !m_notesFail && m_kept.setNote(id, note);
    }
    QList<JournalEntry> entries() const override { return m_kept.entries(); }
    QStringList sessionNames() const override { return m_kept.sessionNames(); }
    std::optional<Session> session(const QString& name) const override
    {
        return m_kept.session(name);
    }
    bool saveSession(const Session& s) override { return m_kept.saveSession(s); }
    bool renameSession(const QString& from, const QString& to) override
    {
        return m_kept.renameSession(from, to);
    }
    bool duplicateSession(const QString& from, const QString& to) override
    {
        return m_kept.duplicateSession(from, to);
    }
    bool removeSession(const QString& name) override { return m_kept.removeSession(name); }

private:
    MemoryPracticeStore& m_kept;
    bool m_notesFail;
};

} // namespace

class tst_JournalWindow final : public QObject {
    Q_OBJECT

    std::unique_ptr<test::MainWindowFixture> m_fixture;

    PracticeStore& store() const { return m_fixture->window->practice().store(); }
    QWidget* journal() const { return m_fixture->child(QStringLiteral("frmJournal")); }
    QTableView* table() const { return in<QTableView>(journal(), QStringLiteral("lstJournal")); }
    QAbstractItemModel* model() const { return table()->model(); }
    QString cell(int r, int c) const { return model()->index(r, c).data().toString(); }
    // Opens the journal from the menu and the first entry's note for editing, as F2 does; the
    // editor, or null when none came up.
    QLineEdit* editFirstNote()
    {
        openFromMenu();
        QApplication::setActiveWindow(m_fixture->window.get());
        if (!QTest::qWaitForWindowActive(m_fixture->window.get()))
            return nullptr;
        table()->setFocus();
        table()->setCurrentIndex(model()->index(0, JournalModel::Note));
        QTest::keyClick(table(), Qt::Key_F2);
        return table()->viewport()->findChild<QLineEdit*>();
    }

    QWidget* openFromMenu()
    {
        QAction* item =
            m_fixture->window->menuBar()->findChild<QAction*>(QStringLiteral("mnuJournal"));
        if (!item)
            return nullptr;
        item->trigger();
        return journal();
    }

    QStringList row(int r) const
    {
        QStringList cells;
        for (int c = 0; c < model()->columnCount(); ++c)
            cells.append(cell(r, c));
        return cells;
    }

    void shot(const QString& name) const { m_fixture->shot(QStringLiteral("journal-") + name); }

    void add(JournalEntry e)
    {
        if (!store().addEntry(e))
            qWarning("entry refused: %s", qPrintable(store().error()));
    }

private slots:
    void init()
    {
        test::failOnUnexpectedWarnings();
        m_fixture = std::make_unique<test::MainWindowFixture>();
    }

    void cleanup()
    {
        m_fixture.reset();
        QTRY_VERIFY(QApplication::topLevelWidgets().isEmpty());
    }

    void practiceMenuStandsBeforeHelp()
    {
        QStringList titles;
        for (QAction* title : m_fixture->window->menuBar()->actions())
            titles.append(title->text());
        QCOMPARE(titles.indexOf(QStringLiteral("&Practice")) + 1,
                 titles.indexOf(QStringLiteral("&Help")));
        QMenu* practice = in<QMenu>(m_fixture->window.get(), QStringLiteral("mnuPractice"));
        QVERIFY(practice);
        QStringList items;
        for (QAction* item : practice->actions())
            items.append(item->text());
        QCOMPARE(items, (QStringList{"&New Session\u2026", "&Sessions\u2026", QString(),
                                     "&Breathing Guide\u2026", QString(), "&Journal", QString(),
                                     "&Resume a Stopped Session", "&Voice and Sound\u2026",
                                     "&Chime at Each Change"}));
    }

    void opensInTheWorkAreaOnce()
    {
        QVERIFY(m_fixture->window->welcomePanelVisible());
        QWidget* first = openFromMenu();
        QVERIFY(first);
        QVERIFY(!m_fixture->window->welcomePanelVisible());
        QVERIFY(qobject_cast<QMdiSubWindow*>(first->parentWidget())->isVisible());
        QCOMPARE(first->windowTitle(), QStringLiteral("Practice Journal"));
        QCOMPARE(openFromMenu(), first);
        QCOMPARE(m_fixture->window->findChildren<JournalWindow*>().size(), 1);
    }

    // An empty journal says so plainly: no rows, twelve empty weeks, no streak.
    void emptyJournal()
    {
        QWidget* window = openFromMenu();
        QCOMPARE(model()->rowCount(), 0);
        // What fills it is said where the entries will be.
        QVERIFY(!table()->isVisible());
        QVERIFY(in<QLabel>(window, QStringLiteral("lblEmptyJournal"))->isVisible());
        QCOMPARE(in<QLabel>(window, QStringLiteral("lblStreak"))->text(),
                 QStringLiteral("Current streak: none yet. Practise today to start one."));
        auto* chart = in<WeeklyMinutesChart>(window, QStringLiteral("chartWeeks"));
        QVERIFY(chart->accessibleDescription().startsWith(
            QStringLiteral("week of 8 December 2025: 0 min, ")));
        QVERIFY(chart->accessibleDescription().endsWith(
            QStringLiteral("week of 23 February 2026: 0 min")));
        for (qsizetype w = 0; w < 12; ++w)
            QVERIFY(chart->barRect(w).isEmpty());

        add(entry(QStringLiteral("First"), QDateTime(QDate(2026, 3, 1), QTime(7, 0)), 600, true));
        QVERIFY(table()->isVisible());
        QVERIFY(!in<QLabel>(window, QStringLiteral("lblEmptyJournal"))->isVisible());
    }

    // A practice that ends while the journal is open shows at once: row, chart and streak.
    void followsEntriesAddedWhileOpen()
    {
        add(entry(QStringLiteral("Evening"), QDateTime(QDate(2026, 2, 28), QTime(19, 0)), 1200,
                  true));
        QWidget* window = openFromMenu();
        QCOMPARE(model()->rowCount(), 1);
        QCOMPARE(in<QLabel>(window, QStringLiteral("lblStreak"))->text(),
                 QStringLiteral("Current streak: 1 day"));

        add(entry(QStringLiteral("Morning Flow"), QDateTime(QDate(2026, 3, 1), QTime(7, 5)), 750,
                  false));
        add(entry(QStringLiteral("Old"), QDateTime(QDate(2026, 1, 5), QTime(7, 0)), 1800, true));
        QCOMPARE(model()->rowCount(), 3);
        QCOMPARE(row(0),
                 (QStringList{QStringLiteral("Sun 1 Mar 2026, 07:05"),
                              QStringLiteral("\u2068Morning Flow\u2069: Tadasana, Trikonasana"),
                              QStringLiteral("12.5"), QStringLiteral("Stopped"), QString()}));
        QCOMPARE(row(1).at(3), QStringLiteral("Completed"));
        QCOMPARE(row(2).at(0), QStringLiteral("Mon 5 Jan 2026, 07:00"));
        QCOMPARE(in<QLabel>(window, QStringLiteral("lblStreak"))->text(),
                 QStringLiteral("Current streak: 2 days"));

        auto* chart = in<WeeklyMinutesChart>(window, QStringLiteral("chartWeeks"));
        const QString description = chart->accessibleDescription();
        QVERIFY2(description.contains(QStringLiteral(
                     "week of 5 January 2026: 30 min, week of 12 January 2026: 0 min")),
                 qPrintable(description));
        QVERIFY2(description.endsWith(QStringLiteral("week of 23 February 2026: 33 min")),
                 qPrintable(description));
        // The fuller week has the taller bar.
        QVERIFY(chart->barRect(11).height() > chart->barRect(4).height());
        QVERIFY(chart->barRect(5).isEmpty());
        shot(QStringLiteral("entries"));
    }

    // Seconds of practice are neither nothing nor a full week: "<1" on a sliver of a bar.
    void aFewSecondsAreUnderAMinuteOnASliver_data()
    {
        QTest::addColumn<double>("minutes");
        QTest::addColumn<QString>("spoken");
        QTest::addColumn<double>("mostHeight");
        QTest::addRow("6 seconds") << 0.1 << QStringLiteral("under 1 min") << 2.0;
        QTest::addRow("29 seconds") << 29 / 60.0 << QStringLiteral("under 1 min") << 6.0;
        QTest::addRow("31 seconds") << 31 / 60.0 << QStringLiteral("1 min") << 7.0;
        QTest::addRow("5 minutes") << 5.0 << QStringLiteral("5 min") << 60.0;
        QTest::addRow("an hour") << 60.0 << QStringLiteral("60 min") << 120.0;
    }
    void aFewSecondsAreUnderAMinuteOnASliver()
    {
        QFETCH(double, minutes);
        QFETCH(QString, spoken);
        QFETCH(double, mostHeight);
        WeeklyMinutesChart chart;
        chart.resize(chart.sizeHint());
        chart.setWeeks({{QDate(2026, 12, 7), minutes}});
        QCOMPARE(chart.accessibleDescription(),
                 QStringLiteral("week of 7 December 2026: ") + spoken);
        QVERIFY(!chart.barRect(0).isEmpty());
        QVERIFY2(chart.barRect(0).height() <= mostHeight,
                 qPrintable(QString::number(chart.barRect(0).height())));
    }

    void noteIsWrittenAndKept()
    {
        add(entry(QStringLiteral("Morning"), QDateTime(QDate(2026, 3, 1), QTime(7, 0)), 600, true));
        QLineEdit* editor = editFirstNote();
        QVERIFY(editor);
        QCOMPARE(QApplication::focusWidget(), editor);
        QTest::keyClicks(editor, QStringLiteral("hips open, \"easy\""));
        QTest::keyClick(editor, Qt::Key_Return);
        // The editor hands its text over once the key has been handled.
        QTRY_COMPARE(store().entries().at(0).note, QStringLiteral("hips open, \"easy\""));
        QCOMPARE(row(0).at(JournalModel::Note), QStringLiteral("hips open, \"easy\""));
        // A note set elsewhere shows here too.
        QVERIFY(store().setNote(store().entries().at(0).id, QStringLiteral("changed")));
        QCOMPARE(row(0).at(JournalModel::Note), QStringLiteral("changed"));
    }

    // A note still being typed when the journal closes is kept, not lost or written to a store
    // that is gone.
    void noteBeingTypedIsKeptWhenTheWindowCloses_data()
    {
        QTest::addColumn<bool>("wholeProgram");
        QTest::addRow("the journal closes") << false;
        QTest::addRow("the main window is destroyed") << true;
    }
    void noteBeingTypedIsKeptWhenTheWindowCloses()
    {
        QFETCH(bool, wholeProgram);
        MemoryPracticeStore memory;
        m_fixture->window->practice().setStore(std::make_unique<SharedStore>(memory));
        add(entry(QStringLiteral("Morning"), QDateTime(QDate(2026, 3, 1), QTime(7, 0)), 600, true));
        QLineEdit* editor = editFirstNote();
        QVERIFY(editor);
        QTest::keyClicks(editor, QStringLiteral("half done"));
        if (wholeProgram)
            m_fixture->window.reset();
        else
            journal()->parentWidget()->close();
        QCOMPARE(memory.entries().at(0).note, QStringLiteral("half done"));
    }

    // Qt's line editor stops at 32,767 characters; a longer note is edited whole.
    void longNoteIsEditedWhole()
    {
        JournalEntry e =
            entry(QStringLiteral("Morning"), QDateTime(QDate(2026, 3, 1), QTime(7, 0)), 600, true);
        e.note = QString(40'000, u'a') + QStringLiteral("z");
        add(e);
        QLineEdit* editor = editFirstNote();
        QVERIFY(editor);
        QTest::keyClick(editor, Qt::Key_End);
        QTest::keyClicks(editor, QStringLiteral("!"));
        QTest::keyClick(editor, Qt::Key_Return);
        QTRY_COMPARE(store().entries().at(0).note.size(), e.note.size() + 1);
        QCOMPARE(store().entries().at(0).note, e.note + QStringLiteral("!"));
    }

    // A name that turns its own text right to left turns nothing after it: the poses still read
    // left to right, in order.
    void nameKeepsItsDirectionToItself_data()
    {
        QTest::addColumn<QString>("title");
        QTest::addRow("right-to-left override") << QStringLiteral("\u202eMorning flow");
        QTest::addRow("override after a stray isolate end")
            << QStringLiteral("\u2069\u202eMorning flow");
        QTest::addRow("isolate left open") << QStringLiteral("\u2067\u202eMorning flow");
    }
    void nameKeepsItsDirectionToItself()
    {
        QFETCH(QString, title);
        add(entry(title, QDateTime(QDate(2026, 3, 1), QTime(7, 0)), 600, true));
        openFromMenu();
        const QString shown = cell(0, JournalModel::Practice);
        QVERIFY(shown.contains(title.right(12)));
        const QString poses = QStringLiteral(": Tadasana, Trikonasana");
        const qsizetype start = shown.indexOf(poses);
        QVERIFY(start > 0);
        QTextLayout layout(shown, table()->font());
        layout.beginLayout();
        QTextLine line = layout.createLine();
        line.setLineWidth(100'000);
        layout.endLayout();
        for (qsizetype i = start; i < start + poses.size(); ++i)
            QVERIFY2(line.cursorToX(int(i)) < line.cursorToX(int(i) + 1),
                     qPrintable(QStringLiteral("at %1").arg(i)));
    }

    void noteThatCannotBeSavedIsNotShownAsSaved()
    {
        MemoryPracticeStore memory;
        m_fixture->window->practice().setStore(std::make_unique<SharedStore>(memory, true));
        add(entry(QStringLiteral("Morning"), QDateTime(QDate(2026, 3, 1), QTime(7, 0)), 600, true));
        openFromMenu();
        QVERIFY(!model()->setData(model()->index(0, JournalModel::Note),
                                  QStringLiteral("never kept"), Qt::EditRole));
        QCOMPARE(m_fixture->seams.desktop.messages.size(), 1);
        QCOMPARE(m_fixture->seams.desktop.messages.first().icon, MessageIcon::Critical);
        QVERIFY(m_fixture->seams.desktop.messageTexts().first().startsWith(
            QStringLiteral("The note could not be saved.")));
        QVERIFY(
            m_fixture->seams.desktop.messageTexts().first().endsWith(QStringLiteral("disk full")));
        QCOMPARE(row(0).at(JournalModel::Note), QString());
    }

    // A journal of years opens on its first rows, and a practice that ends comes in as one row.
    void longJournalIsReadAsItIsShown()
    {
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("practice.sqlite"));
        {
            auto opened = PracticeDatabase::open(path);
            QVERIFY(opened.database);
        }
        {
            QSqlDatabase db =
                QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), QStringLiteral("filling"));
            db.setDatabaseName(path);
            QVERIFY(db.open());
            QVERIFY(db.transaction());
            QSqlQuery insert(db);
            insert.prepare(QStringLiteral("INSERT INTO entries (started, kind, title, summary, "
                                          "seconds, completed, note) VALUES (?, 'session', ?, '', "
                                          "600, 1, '')"));
            const QDateTime first(QDate(2019, 1, 1), QTime(7, 0), Qt::UTC);
            for (int i = 0; i < 50'000; ++i) {
                insert.addBindValue(first.addSecs(qint64(i) * 3'600).toString(Qt::ISODateWithMs));
                insert.addBindValue(QStringLiteral("Practice %1").arg(i));
                QVERIFY(insert.exec());
            }
            QVERIFY(db.commit());
            db.close();
        }
        QSqlDatabase::removeDatabase(QStringLiteral("filling"));
        auto opened = PracticeDatabase::open(path);
        QVERIFY(opened.database);
        m_fixture->window->practice().setStore(std::move(opened.database));

        openFromMenu();
        auto* journalModel = qobject_cast<JournalModel*>(model());
        QVERIFY(journalModel);
        QCOMPARE(journalModel->entryCount(), 50'000);
        QVERIFY2(model()->rowCount() <= 3 * JournalModel::kPageSize,
                 qPrintable(QString::number(model()->rowCount())));
        QCOMPARE(cell(0, JournalModel::Practice), QStringLiteral("\u2068Practice 49999\u2069"));

        const QSignalSpy resets(model(), &QAbstractItemModel::modelReset);
        const QSignalSpy inserted(model(), &QAbstractItemModel::rowsInserted);
        const int before = model()->rowCount();
        add(entry(QStringLiteral("Today"), QDateTime(QDate(2026, 3, 1), QTime(9, 0)), 300, true));
        QCOMPARE(model()->rowCount(), before + 1);
        QCOMPARE(journalModel->entryCount(), 50'001);
        QCOMPARE(resets.size(), 0);
        QCOMPARE(inserted.size(), 1);
        QVERIFY(cell(0, JournalModel::Practice).contains(QStringLiteral("Today")));
    }

    void exportsCsv()
    {
        QTemporaryDir dir;
        add(entry(QStringLiteral("=Morning"), QDateTime(QDate(2026, 3, 1), QTime(7, 0)), 600,
                  true));
        QWidget* window = openFromMenu();
        const QString path = dir.filePath(QStringLiteral("journal.csv"));
        m_fixture->seams.desktop.saveNames.push_back(path);
        click(window, QStringLiteral("cmdExportCsv"));
        QCOMPARE(m_fixture->seams.desktop.fileRequests.size(), 1);
        QCOMPARE(m_fixture->seams.desktop.fileRequests.first().defaultSuffix,
                 QStringLiteral("csv"));
        QVERIFY(m_fixture->seams.desktop.messages.isEmpty());
        QFile file(path);
        QVERIFY(file.open(QIODevice::ReadOnly));
        QCOMPARE(file.readAll(),
                 QByteArray("Date,Time,Kind,Title,Summary,Seconds,Completed,Note\r\n"
                            "2026-03-01,07:00:00,session,'=Morning,\"Tadasana, "
                            "Trikonasana\",600,yes,\r\n"));

        // Cancelled: nothing written, nothing said.
        click(window, QStringLiteral("cmdExportCsv"));
        QVERIFY(m_fixture->seams.desktop.messages.isEmpty());

        // A folder cannot be written as a file: the user hears where and why.
        m_fixture->seams.desktop.saveNames.push_back(dir.path());
        click(window, QStringLiteral("cmdExportCsv"));
        QCOMPARE(m_fixture->seams.desktop.messages.size(), 1);
        QCOMPARE(m_fixture->seams.desktop.messages.first().icon, MessageIcon::Critical);
        QVERIFY(m_fixture->seams.desktop.messageTexts().first().contains(
            QDir::toNativeSeparators(dir.path())));
    }
};

TARVO_TEST_MAIN(tst_JournalWindow)
#include "tst_journalwindow.moc"
