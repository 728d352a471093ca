#include "platform/DataFolder.h"
#include "practice/MemoryPracticeStore.h"
#include "practice/PracticeDatabase.h"
#include "practice/PracticeStoreOpening.h"
#include "support/PrivateMounts.h"

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
#include <sys/mount.h>

using namespace tarvo::practice;

namespace {

enum class StoreKind { Memory, Database };

const QDateTime kNow(QDate(2026, 12, 9), QTime(10, 30));

bool privateMounts = false;

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

// Every file in folder with its bytes: what "left as it was" compares.
QMap<QString, QByteArray> snapshot(const QString& folder)
{
    QMap<QString, QByteArray> files;
    for (const QString& name : QDir(folder).entryList(QDir::Files | QDir::Hidden))
        files.insert(name, contents(QDir(folder).filePath(name)));
    return files;
}

bool writeFile(const QString& path, const QByteArray& bytes)
{
    QFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size();
}

// Root writes through any permission, but not through a read-only mount of the file or folder.
bool mountReadOnly(const QString& path)
{
    const QByteArray at = QFile::encodeName(path);
    return ::mount(at.constData(), at.constData(), nullptr, MS_BIND, nullptr) == 0
           && ::mount(nullptr, at.constData(), nullptr, MS_REMOUNT | MS_BIND | MS_RDONLY, nullptr)
                  == 0;
}

QList<JournalEntry> someEntries(const QString& who)
{
    QList<JournalEntry> list;
    for (int i = 0; i < 3; ++i)
        list.append(entry(QStringLiteral("%1 %2").arg(who).arg(i), kNow.addDays(-i), 60 * (i + 1)));
    return list;
}

// As the store gives them back: newest first.
QList<JournalEntry> newestFirst(QList<JournalEntry> entries)
{
    std::sort(entries.begin(), entries.end(), [](const JournalEntry& a, const JournalEntry& b) {
        return std::pair(a.started, a.id) > std::pair(b.started, b.id);
    });
    return entries;
}

// The entries with the ids the store gave them.
QList<JournalEntry> writeEntries(PracticeStore& store, QList<JournalEntry> entries)
{
    for (JournalEntry& e : entries) {
        if (!store.addEntry(e))
            qWarning("entry refused: %s", qPrintable(store.error()));
    }
    return newestFirst(entries);
}

// The write-ahead log of a database still open in another connection, as a copy of its bytes.
QByteArray unrelatedDatabaseLog(const QString& path)
{
    QByteArray log;
    {
        QSqlDatabase db =
            QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), QStringLiteral("unrelated"));
        db.setDatabaseName(path);
        if (db.open()) {
            for (const char* sql : {"PRAGMA journal_mode = WAL",
                                    "CREATE TABLE photos (id INTEGER PRIMARY KEY, name TEXT)",
                                    "INSERT INTO photos (name) VALUES ('beach'), ('hills')"}) {
                QSqlQuery query(db);
                query.exec(QString::fromLatin1(sql));
            }
            log = contents(path + QStringLiteral("-wal"));
        }
        db.close();
    }
    QSqlDatabase::removeDatabase(QStringLiteral("unrelated"));
    return log;
}

} // namespace

Q_DECLARE_METATYPE(StoreKind)
Q_DECLARE_METATYPE(tarvo::practice::PracticeStoreOpening::Outcome)

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

    // A journal closed as the program closes it, holding the given entries.
    QList<JournalEntry> writeJournal(const QString& at, const QList<JournalEntry>& entries)
    {
        PracticeStoreOpening opening = openPracticeStore(at, kNow);
        return opening.store ? writeEntries(*opening.store, entries) : QList<JournalEntry>{};
    }

    QString runningFolder() const { return m_dir->filePath(QStringLiteral("running")); }

    // A journal as a killed program leaves it: the first entry in the file, the others only in
    // the log beside it.
    QList<JournalEntry> writeKilledJournal(const QString& at, const QList<JournalEntry>& entries)
    {
        const QString running = runningFolder();
        QList<JournalEntry> written = writeJournal(running, entries.mid(0, 1));
        PracticeStoreOpening opening = openPracticeStore(running, kNow);
        written = newestFirst(writeEntries(*opening.store, entries.mid(1)) + written);
        QDir().mkpath(at);
        for (const QString& name : QDir(running).entryList(QDir::Files | QDir::Hidden))
            writeFile(QDir(at).filePath(name), contents(QDir(running).filePath(name)));
        return written;
    }

    // Leaves a journal damaged as the row of damagedJournalIsMovedAside says.
    void damageJournal(const QString& damage)
    {
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
        } else if (damage == QLatin1String("no entries")) {
            writeJournal(folder(), someEntries(QStringLiteral("Lost")));
            QVERIFY(runSql(path, {QStringLiteral("DROP TABLE entries")}));
        } else if (damage == QLatin1String("pages")) {
            writeJournal(folder(), {});
            QVERIFY(runSql(
                path,
                {QStringLiteral("WITH RECURSIVE n(i) AS (SELECT 1 UNION ALL SELECT i + 1 FROM n"
                                " WHERE i < 500) INSERT INTO entries (started, kind, title,"
                                " seconds, completed, note) SELECT '2026-01-01T07:00:00.000Z',"
                                " 'session', 'Entry ' || i, 60, 1, printf('%.900c', 'a')"
                                " FROM n")}));
            QByteArray bytes = contents(path);
            QVERIFY(bytes.size() > 120 * 4096);
            bytes.replace(2 * 4096, bytes.size() - 2 * 4096,
                          QByteArray(bytes.size() - 2 * 4096, '\xab'));
            QVERIFY(writeFile(path, bytes));
        } else if (damage == QLatin1String("own log")) {
            writeKilledJournal(folder(), someEntries(QStringLiteral("Logged")));
            QVERIFY(QFileInfo(path + QStringLiteral("-wal")).size() > 0);
            // A page the log does not hold is overwritten.
            const qint64 page =
                firstValue(QDir(runningFolder()).filePath(QStringLiteral("practice.sqlite")),
                           QStringLiteral("SELECT rootpage FROM sqlite_master"
                                          " WHERE name = 'session_steps'"))
                    .toLongLong();
            QFile file(path);
            QVERIFY(page > 1 && file.open(QIODevice::ReadWrite) && file.seek((page - 1) * 4096));
            QCOMPARE(file.write(QByteArray(4096, '\xab')), 4096);
        } else {
            QVERIFY(runSql(path, {QStringLiteral("CREATE TABLE photos (id INTEGER PRIMARY KEY)")}));
        }
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

    // Pages, weekly minutes and the streak, as each store answers them, are what the whole list
    // gives: the database's own queries agree with the rules over every entry.
    void pagesAndTotalsAgreeWithTheEntries_data() { bothStores(); }
    void pagesAndTotalsAgreeWithTheEntries()
    {
        QFETCH(StoreKind, kind);
        auto store = makeStore(kind);
        QVERIFY(store);
        const QDate today(2026, 3, 1);
        // Late evenings and early mornings, a day without practice, no seconds, one from the
        // future, and weeks from before the chart.
        const QList<std::pair<QDateTime, int>> practised = {
            {QDateTime(today, QTime(0, 5)), 600},
            {QDateTime(today.addDays(-1), QTime(23, 55)), 300},
            {QDateTime(today.addDays(-2), QTime(6, 0)), 0},
            {QDateTime(today.addDays(-2), QTime(18, 0)), 1200},
            {QDateTime(today.addDays(-4), QTime(7, 0)), 900},
            {QDateTime(today.addDays(-40), QTime(12, 0)), 1800},
            {QDateTime(today.addDays(-83), QTime(23, 59)), 60},
            {QDateTime(today.addDays(-85), QTime(9, 0)), 3600},
            {QDateTime(today.addDays(2), QTime(9, 0)), 500}};
        for (const auto& [started, seconds] : practised) {
            JournalEntry e = entry(QStringLiteral("Practice"), started, seconds);
            QVERIFY(store->addEntry(e));
        }
        const QList<JournalEntry> all = store->entries();
        QCOMPARE(store->entryCount(), all.size());
        QCOMPARE(store->entryPage(0, 4) + store->entryPage(4, 4) + store->entryPage(8, 4), all);
        QCOMPARE(store->weeklyMinutes(today, 12), minutesPerWeek(all, today, 12));
        QCOMPARE(store->streak(today), currentStreak(all, today));
        QCOMPARE(store->streak(today), 3);
        QCOMPARE(store->streak(today.addDays(1)), 3);
        QCOMPARE(store->streak(today.addDays(-3)), 1);
        QCOMPARE(store->streak(today.addDays(-3)), currentStreak(all, today.addDays(-3)));
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
        QTest::addRow("a journal without its entries table") << QStringLiteral("no entries");
        QTest::addRow("a damaged journal with its own log") << QStringLiteral("own log");
        QTest::addRow("many damaged pages") << QStringLiteral("pages");
    }
    void damagedJournalIsMovedAside()
    {
        QFETCH(QString, damage);
        damageJournal(damage);
        if (QTest::currentTestFailed())
            return;
        const QString path = databasePath();
        const QByteArray before = contents(path);
        const QMap<QString, QByteArray> found = snapshot(folder());

        PracticeStoreOpening opening = openPracticeStore(folder(), kNow);
        QCOMPARE(opening.outcome, PracticeStoreOpening::Outcome::MovedAside);
        const QString aside = path + QStringLiteral(".damaged-2026-12-09-103000");
        QCOMPARE(opening.movedTo, aside);
        QVERIFY(opening.notice.contains(aside));
        // One short reason and the path; SQLite's own words, however many, are details.
        QVERIFY2(opening.notice.count(u'\n') <= 2, qPrintable(opening.notice));
        if (damage == QLatin1String("pages"))
            QVERIFY2(opening.details.count(u'\n') >= 20, qPrintable(opening.details));
        if (damage == QLatin1String("folder"))
            QVERIFY(QFileInfo(aside + QStringLiteral("/inside")).isDir());
        else
            QCOMPARE(contents(aside), before);
        // The file and its companions are moved exactly as they were found.
        for (auto file = found.cbegin(); file != found.cend(); ++file)
            QCOMPARE(contents(aside + file.key().mid(QStringLiteral("practice.sqlite").size())),
                     file.value());
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

    // Between the weekly checks only the header and layout are judged, so a journal of years opens
    // quickly; a log left behind by a program that did not close has it read whole all the same.
    void layoutCheckLeavesTheWholeReadForLater_data()
    {
        QTest::addColumn<QString>("damage");
        QTest::addColumn<PracticeStoreOpening::Outcome>("outcome");
        QTest::addRow("damaged pages") << "pages" << PracticeStoreOpening::Outcome::Opened;
        QTest::addRow("damaged beside its own log")
            << "own log" << PracticeStoreOpening::Outcome::MovedAside;
        QTest::addRow("no entries table")
            << "no entries" << PracticeStoreOpening::Outcome::MovedAside;
    }
    void layoutCheckLeavesTheWholeReadForLater()
    {
        QFETCH(QString, damage);
        QFETCH(PracticeStoreOpening::Outcome, outcome);
        damageJournal(damage);
        if (QTest::currentTestFailed())
            return;
        QCOMPARE(openPracticeStore(folder(), kNow, CheckDepth::Layout).outcome, outcome);
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

    // A log that belongs to another database never reaches the journal: it is set aside as it
    // was, and the journal opens with its own entries, now and after the program closes.
    void foreignLogIsSetAside_data()
    {
        QTest::addColumn<bool>("journal");
        QTest::addRow("another journal's log") << true;
        QTest::addRow("an unrelated database's log") << false;
    }
    void foreignLogIsSetAside()
    {
        QFETCH(bool, journal);
        const QString other = m_dir->filePath(QStringLiteral("other"));
        QVERIFY(QDir().mkpath(other));
        QByteArray log;
        if (journal) {
            PracticeStoreOpening opening = openPracticeStore(other, kNow);
            writeEntries(*opening.store, someEntries(QStringLiteral("Someone else")));
            log = contents(QDir(other).filePath(QStringLiteral("practice.sqlite-wal")));
        } else {
            log = unrelatedDatabaseLog(QDir(other).filePath(QStringLiteral("photos.db")));
        }
        QVERIFY(log.size() > 32);
        const QList<JournalEntry> kept =
            writeJournal(folder(), someEntries(QStringLiteral("Mine")));
        QVERIFY(writeFile(databasePath() + QStringLiteral("-wal"), log));

        PracticeStoreOpening opening = openPracticeStore(folder(), kNow);
        QCOMPARE(opening.outcome, PracticeStoreOpening::Outcome::LogSetAside);
        QCOMPARE(opening.store->entries(), kept);
        QVERIFY2(opening.notice.contains(QStringLiteral("another database")),
                 qPrintable(opening.notice));
        QVERIFY(opening.notice.contains(opening.movedTo));
        QCOMPARE(contents(opening.movedTo + QStringLiteral("-wal")), log);
        opening.store.reset();
        QCOMPARE(openPracticeStore(folder(), kNow).store->entries(), kept);
    }

    // A start killed while it made the journal leaves an empty file and the rollback journal of
    // its first write. When that journal restores nothing it is debris SQLite itself discards,
    // not another database's log to be told about; one that holds pages is kept and set aside.
    void rollbackJournalBesideAnEmptyFile_data()
    {
        QTest::addColumn<QByteArray>("magic");
        QTest::addColumn<quint32>("pagesBefore");
        QTest::addColumn<PracticeStoreOpening::Outcome>("outcome");
        const QByteArray magic = QByteArray::fromHex("d9d505f920a163d7");
        QTest::addRow("a start killed while making it")
            << magic << 0u << PracticeStoreOpening::Outcome::Opened;
        QTest::addRow("killed as its first write committed")
            << QByteArray(8, '\0') << 0u << PracticeStoreOpening::Outcome::Opened;
        QTest::addRow("another database's")
            << magic << 3u << PracticeStoreOpening::Outcome::LogSetAside;
    }
    void rollbackJournalBesideAnEmptyFile()
    {
        QFETCH(QByteArray, magic);
        QFETCH(quint32, pagesBefore);
        QFETCH(PracticeStoreOpening::Outcome, outcome);
        QVERIFY(QDir().mkpath(folder()));
        QVERIFY(writeFile(databasePath(), {}));
        // The header SQLite writes: magic (zeroed once the write has committed), no records yet,
        // a nonce, the pages the file had, the sector and page sizes.
        QByteArray header = magic + QByteArray::fromHex("000000001e89253d");
        for (const quint32 field : {pagesBefore, 512u, 4096u})
            header += QByteArray::fromHex(QByteArray::number(field, 16).rightJustified(8, '0'));
        const QByteArray rollback = header.leftJustified(512, '\0');
        QVERIFY(writeFile(databasePath() + QStringLiteral("-journal"), rollback));

        PracticeStoreOpening opening = openPracticeStore(folder(), kNow);
        QCOMPARE(opening.outcome, outcome);
        if (outcome == PracticeStoreOpening::Outcome::Opened)
            QVERIFY2(opening.notice.isEmpty(), qPrintable(opening.notice));
        else
            QVERIFY2(opening.notice.contains(opening.movedTo + QStringLiteral("-journal")),
                     qPrintable(opening.notice));
        JournalEntry e = entry(QStringLiteral("First practice"), kNow);
        QVERIFY(opening.store->addEntry(e));
        opening.store.reset();
        QCOMPARE(openPracticeStore(folder(), kNow).store->entries(), QList<JournalEntry>{e});
    }

    // A sound journal that cannot be used this time is neither moved nor changed: the user is told
    // why, practice is kept in memory, and once the cause is gone the journal is all there.
    void soundJournalIsLeftInPlace_data()
    {
        QTest::addColumn<QString>("obstacle");
        QTest::addColumn<QString>("told");
        QTest::addRow("in use by another program") << "held"
                                                   << "in use by another program";
        QTest::addRow("disk full") << "full"
                                   << "the disk is full";
        QTest::addRow("read-only folder") << "folder"
                                          << "the folder can't be written";
        QTest::addRow("read-only file") << "file"
                                        << "read-only";
        QTest::addRow("read-only file with its log") << "log"
                                                     << "read-only";
    }
    void soundJournalIsLeftInPlace()
    {
        QFETCH(QString, obstacle);
        QFETCH(QString, told);
        if (obstacle == u"held") {
            if (QStandardPaths::findExecutable(QStringLiteral("sqlite3")).isEmpty())
                QSKIP("the sqlite3 command-line tool is not installed");
        } else if (!privateMounts) {
            QSKIP("this kernel gives no private mount namespace");
        }
        QStringList mounted;
        const auto unmount = qScopeGuard([&] {
            while (!mounted.isEmpty())
                ::umount2(QFile::encodeName(mounted.takeLast()).constData(), MNT_DETACH);
        });
        QVERIFY(QDir().mkpath(folder()));
        if (obstacle == u"full") {
            QCOMPARE(::mount("tmpfs", QFile::encodeName(folder()).constData(), "tmpfs",
                             MS_NOSUID | MS_NODEV, "size=256k"),
                     0);
            mounted.append(folder());
        }
        const QList<JournalEntry> kept =
            obstacle == u"log" ? writeKilledJournal(folder(), someEntries(QStringLiteral("Mine")))
                               : writeJournal(folder(), someEntries(QStringLiteral("Mine")));
        QCOMPARE(kept.size(), 3);

        QProcess other;
        const auto letGo = qScopeGuard([&other] {
            other.kill();
            other.waitForFinished();
        });
        const QString filler = QDir(folder()).filePath(QStringLiteral("filler"));
        if (obstacle == u"held") {
            other.start(QStringLiteral("sqlite3"), {databasePath()});
            QVERIFY(other.waitForStarted());
            other.write("PRAGMA locking_mode = EXCLUSIVE;\nBEGIN EXCLUSIVE;\nSELECT 'held';\n");
            QByteArray said;
            while (!said.contains("held") && other.waitForReadyRead(10000))
                said += other.readAllStandardOutput();
            QVERIFY2(said.contains("held"), said.constData());
        } else if (obstacle == u"full") {
            QFile file(filler);
            QVERIFY(file.open(QIODevice::WriteOnly | QIODevice::Unbuffered));
            const QByteArray block(1024, 'x');
            while (file.write(block) == block.size()) {
            }
        } else if (obstacle == u"folder") {
            QVERIFY(mountReadOnly(folder()));
            mounted.append(folder());
        } else {
            for (const QString& name : QDir(folder()).entryList(QDir::Files)) {
                QVERIFY(mountReadOnly(QDir(folder()).filePath(name)));
                mounted.append(QDir(folder()).filePath(name));
            }
        }
        const QMap<QString, QByteArray> before = snapshot(folder());

        PracticeStoreOpening opening = openPracticeStore(folder(), kNow);
        QCOMPARE(opening.outcome, PracticeStoreOpening::Outcome::InMemory);
        QVERIFY2(opening.notice.contains(told), qPrintable(opening.notice));
        QVERIFY(opening.notice.contains(databasePath()));
        JournalEntry e = entry(QStringLiteral("Kept for this run"), kNow);
        QVERIFY(opening.store->addEntry(e));
        opening.store.reset();
        QCOMPARE(snapshot(folder()), before);

        if (obstacle == u"held") {
            other.closeWriteChannel();
            QVERIFY(other.waitForFinished());
        }
        if (obstacle == u"full")
            QVERIFY(QFile::remove(filler));
        while (mounted.size() > (obstacle == u"full" ? 1 : 0))
            QCOMPARE(::umount2(QFile::encodeName(mounted.takeLast()).constData(), MNT_DETACH), 0);
        PracticeStoreOpening again = openPracticeStore(folder(), kNow);
        QCOMPARE(again.outcome, PracticeStoreOpening::Outcome::Opened);
        QCOMPARE(again.store->entries(), kept);
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
        QVERIFY(opening.notice.contains(QStringLiteral("until you close Tarvo Yoga")));
        JournalEntry e = entry(QStringLiteral("Still recorded"), kNow);
        QVERIFY(opening.store->addEntry(e));
        QCOMPARE(opening.store->entries().size(), 1);
        QCOMPARE(contents(folder()), QByteArray("not a folder"));
    }

    // The journal's folder follows the base-directory rules, which ignore a relative value.
    void journalFolderFollowsTheDataHome_data()
    {
        QTest::addColumn<QByteArray>("dataHome");
        QTest::addColumn<QString>("folder");
        QTest::addRow("unset") << QByteArray() << "home/.local/share/Tarvo/Tarvo Yoga";
        QTest::addRow("absolute") << QByteArray("/srv/data/") << "/srv/data/Tarvo/Tarvo Yoga";
        QTest::addRow("relative") << QByteArray("data") << "home/.local/share/Tarvo/Tarvo Yoga";
        QTest::addRow("tilde, unexpanded")
            << QByteArray("~/data") << "home/.local/share/Tarvo/Tarvo Yoga";
    }
    void journalFolderFollowsTheDataHome()
    {
        QFETCH(QByteArray, dataHome);
        QFETCH(QString, folder);
        const QByteArray oldHome = qgetenv("HOME");
        const QByteArray oldDataHome = qgetenv("XDG_DATA_HOME");
        const QString oldOrganization = QCoreApplication::organizationName();
        const QString oldApplication = QCoreApplication::applicationName();
        const auto restore = qScopeGuard([&] {
            qputenv("HOME", oldHome);
            qputenv("XDG_DATA_HOME", oldDataHome);
            QCoreApplication::setOrganizationName(oldOrganization);
            QCoreApplication::setApplicationName(oldApplication);
        });
        QCoreApplication::setOrganizationName(QStringLiteral("Tarvo"));
        QCoreApplication::setApplicationName(QStringLiteral("Tarvo Yoga"));
        qputenv("HOME", QFile::encodeName(m_dir->path()));
        if (dataHome.isNull())
            qunsetenv("XDG_DATA_HOME");
        else
            qputenv("XDG_DATA_HOME", dataHome);
        QCOMPARE(tarvo::programDataFolder(),
                 folder.startsWith(u'/') ? folder : m_dir->filePath(folder.mid(5)));
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

int main(int argc, char** argv)
{
    // Before any thread exists, so that the test can mount a full disk or a read-only folder.
    privateMounts = tarvo::test::enterPrivateMountNamespace();
    QCoreApplication app(argc, argv);
    tst_PracticeStore test;
    QTEST_SET_MAIN_SOURCE_PATH
    return QTest::qExec(&test, argc, argv);
}
#include "tst_practicestore.moc"
