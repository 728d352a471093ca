#include "practice/MemoryPracticeStore.h"
#include "practice/PracticeDatabase.h"
#include "practice/PracticeStoreOpening.h"

#include <QProcess>
#include <QRandomGenerator>
#include <QSqlDatabase>
#include <QSqlError>
#include <QSqlQuery>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QtTest>
#include <csignal>
#include <memory>

using namespace tarvo::practice;

namespace {

enum class StoreKind { Memory, Database };

const QDateTime kNow(QDate(2026, 12, 9), QTime(10, 30));

JournalEntry entry(const QString& title, const QDateTime& started, int seconds = 300)
{
    JournalEntry e;
    e.started = started;
    e.kind = PracticeKind::Session;
    e.title = title;
    e.summary = QStringLiteral("Tadasana, Vrikshasana");
    e.seconds = seconds;
    e.completed = true;
    return e;
}

Session session(const QString& name, int steps)
{
    Session s;
    s.name = name;
    for (int i = 0; i < steps; ++i)
        s.steps.append({QStringLiteral("Pose %1").arg(i), 3 + i,
                        i == 2 ? HoldUnit::Times : HoldUnit::Breaths, i == 1});
    return s;
}

QByteArray contents(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

// Runs SQL on a file through a connection of the test's own, to make files by hand.
bool runSql(const QString& path, const QStringList& statements)
{
    bool ok = true;
    {
        QSqlDatabase db =
            QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), QStringLiteral("hand"));
        db.setDatabaseName(path);
        ok = db.open();
        for (const QString& sql : statements) {
            QSqlQuery query(db);
            if (ok && !query.exec(sql)) {
                qWarning("%s: %s", qPrintable(sql), qPrintable(query.lastError().text()));
                ok = false;
            }
        }
        db.close();
    }
    QSqlDatabase::removeDatabase(QStringLiteral("hand"));
    return ok;
}

QVariant firstValue(const QString& path, const QString& sql)
{
    QVariant value;
    {
        QSqlDatabase db =
            QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), QStringLiteral("hand"));
        db.setDatabaseName(path);
        QSqlQuery query(db);
        if (db.open() && query.exec(sql) && query.next())
            value = query.value(0);
        query.finish();
        db.close();
    }
    QSqlDatabase::removeDatabase(QStringLiteral("hand"));
    return value;
}

} // namespace

Q_DECLARE_METATYPE(StoreKind)

class tst_PracticeStore final : public QObject {
    Q_OBJECT

    std::unique_ptr<QTemporaryDir> m_dir;

    QString folder() const { return m_dir->filePath(QStringLiteral("data")); }
    QString databasePath() const
    {
        return QDir(folder()).filePath(QStringLiteral("practice.sqlite"));
    }

    std::unique_ptr<PracticeStore> makeStore(StoreKind kind)
    {
        if (kind == StoreKind::Memory)
            return std::make_unique<MemoryPracticeStore>();
        PracticeStoreOpening opening = openPracticeStore(folder(), kNow);
        if (opening.outcome != PracticeStoreOpening::Outcome::Opened)
            qWarning("%s", qPrintable(opening.notice));
        return std::move(opening.store);
    }

    static void bothStores()
    {
        QTest::addColumn<StoreKind>("kind");
        QTest::addRow("memory") << StoreKind::Memory;
        QTest::addRow("database") << StoreKind::Database;
    }

private slots:
    void init()
    {
        // A connection closed while still in use, or any other complaint of Qt SQL, is a fault.
        QTest::failOnWarning(QRegularExpression(QStringLiteral(".*")));
        m_dir = std::make_unique<QTemporaryDir>();
    }

    void entriesNewestFirst_data() { bothStores(); }
    void entriesNewestFirst()
    {
        QFETCH(StoreKind, kind);
        auto store = makeStore(kind);
        QVERIFY(store);
        JournalEntry monday =
            entry(QStringLiteral("Monday"), QDateTime(QDate(2026, 3, 2), QTime(7, 0)));
        JournalEntry sunday =
            entry(QStringLiteral("Sunday"), QDateTime(QDate(2026, 3, 1), QTime(21, 15, 30, 250)));
        JournalEntry sameTime = entry(QStringLiteral("Monday again"), monday.started, 45);
        sameTime.kind = PracticeKind::Breathing;
        sameTime.completed = false;
        sameTime.note = QStringLiteral("stopped, \"dizzy\"; Śavāsana after");
        QVERIFY(store->addEntry(monday));
        QVERIFY(store->addEntry(sunday));
        QVERIFY(store->addEntry(sameTime));
        QVERIFY(monday.id > 0);
        QVERIFY(sunday.id != monday.id && sameTime.id != monday.id && sameTime.id != sunday.id);
        // Equal start times: the later addition first.
        QCOMPARE(store->entries(), (QList<JournalEntry>{sameTime, monday, sunday}));
    }

    void refusesEntriesWithoutTimeOrWithNegativeLength_data() { bothStores(); }
    void refusesEntriesWithoutTimeOrWithNegativeLength()
    {
        QFETCH(StoreKind, kind);
        auto store = makeStore(kind);
        JournalEntry noTime = entry(QStringLiteral("No time"), {});
        JournalEntry negative = entry(QStringLiteral("Negative"), kNow, -5);
        QVERIFY(!store->addEntry(noTime));
        QVERIFY(!store->error().isEmpty());
        QVERIFY(!store->addEntry(negative));
        QVERIFY(store->entries().isEmpty());
    }

    void notes_data() { bothStores(); }
    void notes()
    {
        QFETCH(StoreKind, kind);
        auto store = makeStore(kind);
        JournalEntry first = entry(QStringLiteral("First"), kNow.addDays(-1));
        JournalEntry second = entry(QStringLiteral("Second"), kNow);
        QVERIFY(store->addEntry(first));
        QVERIFY(store->addEntry(second));
        QVERIFY(store->setNote(first.id, QStringLiteral("knees better")));
        QVERIFY(store->error().isEmpty());
        QCOMPARE(store->entries().at(1).note, QStringLiteral("knees better"));
        QCOMPARE(store->entries().at(0).note, QString());
        QVERIFY(!store->setNote(second.id + first.id + 100, QStringLiteral("lost")));
        QVERIFY(!store->error().isEmpty());
        QVERIFY(store->setNote(first.id, QString()));
        QCOMPARE(store->entries().at(1).note, QString());
    }

    void sessions_data() { bothStores(); }
    void sessions()
    {
        QFETCH(StoreKind, kind);
        auto store = makeStore(kind);
        QVERIFY(store->sessionNames().isEmpty());
        QVERIFY(!store->saveSession(session(QStringLiteral("  "), 2)));
        QVERIFY(!store->error().isEmpty());

        QVERIFY(store->saveSession(session(QStringLiteral("morning flow"), 3)));
        QVERIFY(store->saveSession(session(QStringLiteral(" Evening "), 2)));
        QVERIFY(store->saveSession(session(QStringLiteral("Back care"), 1)));
        QCOMPARE(store->sessionNames(),
                 (QStringList{QStringLiteral("Back care"), QStringLiteral("Evening"),
                              QStringLiteral("morning flow")}));
        QCOMPARE(*store->session(QStringLiteral("EVENING")), session(QStringLiteral("Evening"), 2));

        // Saving under a name that differs only in case replaces, steps and all.
        QVERIFY(store->saveSession(session(QStringLiteral("Morning Flow"), 5)));
        QCOMPARE(store->sessionNames().size(), 3);
        QCOMPARE(*store->session(QStringLiteral("morning flow")),
                 session(QStringLiteral("Morning Flow"), 5));
        Session shorter = session(QStringLiteral("Morning Flow"), 1);
        shorter.steps[0].unit = HoldUnit::Seconds;
        QVERIFY(store->saveSession(shorter));
        QCOMPARE(*store->session(QStringLiteral("Morning Flow")), shorter);

        QVERIFY(!store->renameSession(QStringLiteral("Nowhere"), QStringLiteral("Somewhere")));
        QVERIFY(!store->renameSession(QStringLiteral("Evening"), QStringLiteral("back CARE")));
        QVERIFY(!store->renameSession(QStringLiteral("Evening"), QStringLiteral(" ")));
        QVERIFY(!store->error().isEmpty());
        QVERIFY(store->renameSession(QStringLiteral("Evening"), QStringLiteral("Night")));
        QVERIFY(store->renameSession(QStringLiteral("night"), QStringLiteral("NIGHT")));
        QVERIFY(!store->session(QStringLiteral("Evening")));
        QCOMPARE(store->session(QStringLiteral("night"))->name, QStringLiteral("NIGHT"));
        QCOMPARE(store->session(QStringLiteral("night"))->steps.size(), 2);

        QVERIFY(!store->duplicateSession(QStringLiteral("Nowhere"), QStringLiteral("Copy")));
        QVERIFY(!store->duplicateSession(QStringLiteral("NIGHT"), QStringLiteral("back care")));
        QVERIFY(!store->duplicateSession(QStringLiteral("NIGHT"), QStringLiteral("night")));
        QVERIFY(store->duplicateSession(QStringLiteral("NIGHT"), QStringLiteral("Night copy")));
        QCOMPARE(store->session(QStringLiteral("Night copy"))->steps,
                 store->session(QStringLiteral("NIGHT"))->steps);

        QVERIFY(!store->removeSession(QStringLiteral("Nowhere")));
        QVERIFY(store->removeSession(QStringLiteral("night")));
        QCOMPARE(store->sessionNames(),
                 (QStringList{QStringLiteral("Back care"), QStringLiteral("Morning Flow"),
                              QStringLiteral("Night copy")}));
        // The copy keeps its steps when the original goes.
        QCOMPARE(store->session(QStringLiteral("Night copy"))->steps.size(), 2);
    }

    void databaseKeepsEverythingAcrossRuns()
    {
        JournalEntry kept = entry(QStringLiteral("Kept"), kNow);
        {
            auto store = makeStore(StoreKind::Database);
            QVERIFY(store->addEntry(kept));
            QVERIFY(store->setNote(kept.id, QStringLiteral("a note")));
            QVERIFY(store->saveSession(session(QStringLiteral("Kept session"), 4)));
        }
        kept.note = QStringLiteral("a note");
        auto store = makeStore(StoreKind::Database);
        QCOMPARE(store->entries(), QList<JournalEntry>{kept});
        QCOMPARE(*store->session(QStringLiteral("kept session")),
                 session(QStringLiteral("Kept session"), 4));
    }

    void migratesTheFirstJournal()
    {
        QVERIFY(QDir().mkpath(folder()));
        QVERIFY(runSql(databasePath(),
                       {QStringLiteral("CREATE TABLE entries (id INTEGER PRIMARY KEY, started TEXT "
                                       "NOT NULL, kind TEXT NOT NULL, title TEXT NOT NULL, minutes "
                                       "INTEGER NOT NULL)"),
                        QStringLiteral("INSERT INTO entries VALUES (3, '2025-11-02T06:30:00.000Z', "
                                       "'session', 'Sun salutation', 20)"),
                        QStringLiteral("INSERT INTO entries VALUES (7, '2025-11-03T18:00:00.000Z', "
                                       "'breathing', 'Alternate nostril', 5)"),
                        QStringLiteral("INSERT INTO entries VALUES (9, '2025-11-01T07:00:00.000Z', "
                                       "'session', 'It''s \"quoted\"', 0)"),
                        QStringLiteral("PRAGMA user_version = 1")}));

        PracticeStoreOpening opening = openPracticeStore(folder(), kNow);
        QCOMPARE(opening.outcome, PracticeStoreOpening::Outcome::Opened);
        QVERIFY(opening.notice.isEmpty());
        const QList<JournalEntry> entries = opening.store->entries();
        QCOMPARE(entries.size(), 3);
        QCOMPARE(entries[0].id, 7);
        QCOMPARE(entries[0].kind, PracticeKind::Breathing);
        QCOMPARE(entries[0].title, QStringLiteral("Alternate nostril"));
        QCOMPARE(entries[0].seconds, 300);
        QCOMPARE(entries[0].started, QDateTime(QDate(2025, 11, 3), QTime(18, 0), Qt::UTC));
        QVERIFY(entries[0].completed);
        QCOMPARE(entries[1].id, 3);
        QCOMPARE(entries[1].seconds, 1200);
        QCOMPARE(entries[2].title, QStringLiteral("It's \"quoted\""));
        QCOMPARE(entries[2].seconds, 0);
        for (const JournalEntry& e : entries)
            QVERIFY(e.note.isEmpty() && e.summary.isEmpty());

        // The new layout takes what the old one could not hold.
        QVERIFY(opening.store->setNote(3, QStringLiteral("first note")));
        QVERIFY(opening.store->saveSession(session(QStringLiteral("Migrated"), 3)));
        QCOMPARE(*opening.store->session(QStringLiteral("Migrated")),
                 session(QStringLiteral("Migrated"), 3));
        opening.store.reset();
        QCOMPARE(firstValue(databasePath(), QStringLiteral("PRAGMA user_version")).toInt(),
                 PracticeDatabase::kSchemaVersion);
        QCOMPARE(
            firstValue(databasePath(), QStringLiteral("SELECT note FROM entries WHERE id = 3")),
            QVariant(QStringLiteral("first note")));
    }

    // A file from a newer program is neither changed nor moved; this run keeps practice in memory.
    void newerJournalIsLeftAlone()
    {
        QVERIFY(QDir().mkpath(folder()));
        QVERIFY(
            runSql(databasePath(), {QStringLiteral("CREATE TABLE entries (id INTEGER PRIMARY KEY)"),
                                    QStringLiteral("PRAGMA user_version = %1")
                                        .arg(PracticeDatabase::kSchemaVersion + 1)}));
        const QByteArray before = contents(databasePath());
        PracticeStoreOpening opening = openPracticeStore(folder(), kNow);
        QCOMPARE(opening.outcome, PracticeStoreOpening::Outcome::InMemory);
        QVERIFY(opening.notice.contains(databasePath()));
        QVERIFY(opening.notice.contains(QStringLiteral("newer")));
        JournalEntry e = entry(QStringLiteral("In memory"), kNow);
        QVERIFY(opening.store->addEntry(e));
        QCOMPARE(opening.store->entries().size(), 1);
        opening.store.reset();
        QCOMPARE(contents(databasePath()), before);
        QCOMPARE(QDir(folder()).entryList(QDir::Files),
                 QStringList{QStringLiteral("practice.sqlite")});
    }

    void damagedJournalIsMovedAside_data()
    {
        QTest::addColumn<QString>("damage");
        QTest::addRow("random bytes") << QStringLiteral("random");
        QTest::addRow("truncated database") << QStringLiteral("truncated");
        QTest::addRow("a folder in its place") << QStringLiteral("folder");
        QTest::addRow("another program's database") << QStringLiteral("foreign");
        QTest::addRow("garbage with its write-ahead log") << QStringLiteral("wal");
    }
    void damagedJournalIsMovedAside()
    {
        QFETCH(QString, damage);
        QVERIFY(QDir().mkpath(folder()));
        const QString path = databasePath();
        if (damage == QLatin1String("random") || damage == QLatin1String("wal")) {
            QByteArray bytes(8192, '\0');
            QRandomGenerator random(42);
            for (char& b : bytes)
                b = char(random.bounded(256));
            QFile file(path);
            QVERIFY(file.open(QIODevice::WriteOnly));
            file.write(bytes);
            if (damage == QLatin1String("wal")) {
                QFile wal(path + QStringLiteral("-wal"));
                QVERIFY(wal.open(QIODevice::WriteOnly));
                wal.write("log");
            }
        } else if (damage == QLatin1String("truncated")) {
            {
                auto store = makeStore(StoreKind::Database);
                for (int i = 0; i < 300; ++i) {
                    JournalEntry e = entry(QStringLiteral("Entry %1").arg(i), kNow.addSecs(i));
                    e.note = QString(200, QChar(u'a' + i % 26));
                    QVERIFY(store->addEntry(e));
                }
            }
            QFile file(path);
            QVERIFY(file.size() > 40000);
            QVERIFY(file.resize(file.size() / 2));
        } else if (damage == QLatin1String("folder")) {
            QVERIFY(QDir().mkpath(QDir(path).filePath(QStringLiteral("inside"))));
        } else {
            QVERIFY(runSql(path, {QStringLiteral("CREATE TABLE photos (id INTEGER PRIMARY KEY)")}));
        }
        const QByteArray before = contents(path);

        PracticeStoreOpening opening = openPracticeStore(folder(), kNow);
        QCOMPARE(opening.outcome, PracticeStoreOpening::Outcome::MovedAside);
        const QString aside = path + QStringLiteral(".damaged-2026-12-09-103000");
        QCOMPARE(opening.movedTo, aside);
        QVERIFY(opening.notice.contains(aside));
        if (damage == QLatin1String("folder"))
            QVERIFY(QFileInfo(aside + QStringLiteral("/inside")).isDir());
        else
            QCOMPARE(contents(aside), before);
        if (damage == QLatin1String("wal"))
            QCOMPARE(contents(aside + QStringLiteral("-wal")), QByteArray("log"));

        // The new journal works, and lasts.
        JournalEntry e = entry(QStringLiteral("Fresh start"), kNow);
        QVERIFY(opening.store->addEntry(e));
        opening.store.reset();
        PracticeStoreOpening again = openPracticeStore(folder(), kNow.addSecs(60));
        QCOMPARE(again.outcome, PracticeStoreOpening::Outcome::Opened);
        QCOMPARE(again.store->entries(), QList<JournalEntry>{e});
        QVERIFY(QFileInfo::exists(aside));
    }

    // Damaged twice in one second: the second file does not take the first one's name.
    void secondDamagedFileGetsItsOwnName()
    {
        QVERIFY(QDir().mkpath(folder()));
        const QString aside = databasePath() + QStringLiteral(".damaged-2026-12-09-103000");
        for (const QByteArray& bytes : {QByteArray(4096, 'x'), QByteArray(4096, 'y')}) {
            QFile file(databasePath());
            QVERIFY(file.open(QIODevice::WriteOnly));
            file.write(bytes);
            file.close();
            QCOMPARE(openPracticeStore(folder(), kNow).outcome,
                     PracticeStoreOpening::Outcome::MovedAside);
            QVERIFY(QFile::remove(databasePath()));
        }
        QCOMPARE(contents(aside), QByteArray(4096, 'x'));
        QCOMPARE(contents(aside + QStringLiteral("-2")), QByteArray(4096, 'y'));
    }

    void noFolderMeansAJournalInMemory()
    {
        // A file where the data folder should be: no database can be made there.
        QFile blocker(folder());
        QVERIFY(blocker.open(QIODevice::WriteOnly));
        blocker.write("not a folder");
        blocker.close();
        PracticeStoreOpening opening = openPracticeStore(folder(), kNow);
        QCOMPARE(opening.outcome, PracticeStoreOpening::Outcome::InMemory);
        QVERIFY(opening.notice.contains(folder()));
        QVERIFY(opening.notice.contains(QStringLiteral("until Tarvo Yoga closes")));
        JournalEntry e = entry(QStringLiteral("Still recorded"), kNow);
        QVERIFY(opening.store->addEntry(e));
        QCOMPARE(opening.store->entries().size(), 1);
        QCOMPARE(contents(folder()), QByteArray("not a folder"));
    }

    // A writer killed in the middle of writing a session loses nothing it had finished writing.
    void killedWriterLosesNothingFinished()
    {
        QVERIFY(QDir().mkpath(folder()));
        constexpr int kEntries = 40;
        QProcess writer;
        writer.start(QStringLiteral(TARVO_PRACTICE_WRITER),
                     {databasePath(), QString::number(kEntries)});
        QVERIFY(writer.waitForStarted());
        QByteArray said;
        while (!said.contains("sessions") && writer.state() == QProcess::Running) {
            writer.waitForReadyRead(10000);
            said += writer.readAllStandardOutput();
        }
        QVERIFY2(said.contains("entries\nsessions"), said.constData());
        // Let it get well into the sessions that follow.
        QTest::qWait(150);
        QCOMPARE(::kill(pid_t(writer.processId()), SIGKILL), 0);
        QVERIFY(writer.waitForFinished());
        QCOMPARE(writer.exitStatus(), QProcess::CrashExit);

        PracticeStoreOpening opening = openPracticeStore(folder(), kNow);
        QCOMPARE(opening.outcome, PracticeStoreOpening::Outcome::Opened);
        const QList<JournalEntry> entries = opening.store->entries();
        QCOMPARE(entries.size(), kEntries);
        for (int i = 0; i < kEntries; ++i) {
            const JournalEntry& e = entries[kEntries - 1 - i];
            QCOMPARE(e.title, QStringLiteral("Entry %1").arg(i));
            QCOMPARE(e.seconds, i);
            QCOMPARE(e.started, QDateTime(QDate(2026, 3, 1), QTime(6, 0)).addSecs(60 * i));
        }
        const QStringList names = opening.store->sessionNames();
        QVERIFY(!names.isEmpty());
        for (const QString& name : names)
            QCOMPARE(opening.store->session(name)->steps.size(), 400);
    }

    // What the program wrote is there for any SQLite reader, in the write-ahead-log mode.
    void sqliteToolReadsTheEntry()
    {
        if (QStandardPaths::findExecutable(QStringLiteral("sqlite3")).isEmpty())
            QSKIP("the sqlite3 command-line tool is not installed");
        {
            auto store = makeStore(StoreKind::Database);
            JournalEntry e = entry(QStringLiteral("Seen, from outside"), kNow, 754);
            e.note = QStringLiteral("Śavāsana");
            QVERIFY(store->addEntry(e));
            QCOMPARE(sqlite(QStringLiteral("PRAGMA journal_mode")), QStringLiteral("wal"));
        }
        QCOMPARE(sqlite(QStringLiteral("SELECT started, kind, title, seconds, completed, note "
                                       "FROM entries")),
                 kNow.toUTC().toString(Qt::ISODateWithMs)
                     + QStringLiteral("|session|Seen, from outside|754|1|Śavāsana"));
        QCOMPARE(sqlite(QStringLiteral("PRAGMA user_version")),
                 QString::number(PracticeDatabase::kSchemaVersion));
    }

private:
    QString sqlite(const QString& sql)
    {
        QProcess tool;
        tool.start(QStringLiteral("sqlite3"), {QStringLiteral("-readonly"), databasePath(), sql});
        if (!tool.waitForFinished() || tool.exitCode() != 0)
            return QString::fromUtf8(tool.readAllStandardError());
        return QString::fromUtf8(tool.readAllStandardOutput()).trimmed();
    }
};

QTEST_GUILESS_MAIN(tst_PracticeStore)
#include "tst_practicestore.moc"
