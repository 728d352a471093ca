#include "practice/PracticeDatabase.h"

#include "practice/PracticeFileJudge.h"
#include "practice/PracticeSchema.h"
#include "practice/SqliteLocks.h"

#include <QAtomicInt>
#include <QFile>
#include <QFileInfo>
#include <QRandomGenerator>
#include <QSqlDatabase>
#include <QSqlError>
#include <QSqlQuery>
#include <QStorageInfo>
#include <algorithm>
#include <limits>

namespace tarvo::practice {

namespace {

// Kept in UTC with milliseconds, so the text sorts as the moments do, across clock changes too.
QString storedTime(const QDateTime& time)
{
    return time.toUTC().toString(Qt::ISODateWithMs);
}

QDateTime readTime(const QString& text)
{
    return QDateTime::fromString(text, Qt::ISODateWithMs).toLocalTime();
}

// Text as SQLite should keep it: a null QString is bound as NULL, which is not "no text".
QString text(const QString& value)
{
    return value.isNull() ? QStringLiteral("") : value;
}

QString unitName(HoldUnit unit)
{
    switch (unit) {
    case HoldUnit::Breaths:
        return QStringLiteral("breaths");
    case HoldUnit::Seconds:
        break;
    case HoldUnit::Times:
        return QStringLiteral("times");
    }
    return QStringLiteral("seconds");
}

HoldUnit unitFromName(const QString& name)
{
    if (name == u"seconds")
        return HoldUnit::Seconds;
    return name == u"times" ? HoldUnit::Times : HoldUnit::Breaths;
}

// A write that is undone unless it is committed. It begins by writing the journal's identity
// into the header, so that every commit's log carries it.
class Transaction final {
public:
    Transaction(QSqlDatabase db, qint32 identity)
        : m_db(std::move(db))
        , m_open(m_db.transaction())
    {
        if (!m_open) {
            m_error = m_db.lastError().text();
            return;
        }
        QSqlQuery stamp(m_db);
        if (!stamp.exec(QStringLiteral("PRAGMA application_id = %1").arg(identity))) {
            m_error = stamp.lastError().text();
            m_db.rollback();
            m_open = false;
        }
    }
    ~Transaction()
    {
        if (m_open)
            m_db.rollback();
    }
    Q_DISABLE_COPY_MOVE(Transaction)

    bool isOpen() const { return m_open; }
    // Why it did not begin.
    QString error() const { return m_error; }
    bool commit()
    {
        if (!m_db.commit())
            return false;
        m_open = false;
        return true;
    }

private:
    QSqlDatabase m_db;
    bool m_open;
    QString m_error;
};

// One query's first value, or the error.
QVariant single(QSqlDatabase& db, const QString& sql, QSqlError& error)
{
    QSqlQuery query(db);
    if (!query.exec(sql) || !query.next()) {
        error = query.lastError().isValid()
                    ? query.lastError()
                    : QSqlError(QStringLiteral("no answer to \"%1\"").arg(sql), {},
                                QSqlError::UnknownError);
        return {};
    }
    return query.value(0);
}

// SQLite's result codes that say what stands in the way rather than what is wrong with the file.
constexpr int kSqliteBusy = 5;
constexpr int kSqliteLocked = 6;
constexpr int kSqliteReadOnly = 8;
constexpr int kSqliteIoError = 10;
constexpr int kSqliteFull = 13;

// Opening takes room for SQLite's shared index (32 KiB) and the first pages of its log.
constexpr qint64 kRoomToOpen = 64 * 1024;

bool lowOnSpace(const QString& folder)
{
    const QStorageInfo storage(folder);
    return storage.isValid() && storage.bytesAvailable() < kRoomToOpen;
}

PracticeDatabase::Status obstacle(const QSqlError& error, const QString& folder)
{
    using Status = PracticeDatabase::Status;
    switch (error.nativeErrorCode().toInt() & 0xff) {
    case kSqliteBusy:
    case kSqliteLocked:
        return Status::InUse;
    case kSqliteFull:
        return Status::DiskFull;
    case kSqliteReadOnly:
        return Status::FileReadOnly;
    case kSqliteIoError:
        return lowOnSpace(folder) ? Status::DiskFull : Status::Unavailable;
    default:
        return Status::Unavailable;
    }
}

// What would stop SQLite writing the journal, found before it tries: a failed try leaves a log
// and an index beside a file it may not write.
std::optional<PracticeDatabase::Status> writingObstacle(const QString& path)
{
    using Status = PracticeDatabase::Status;
    const QString folder = QFileInfo(path).absolutePath();
    if (!QFileInfo(folder).isWritable())
        return Status::FolderReadOnly;
    for (const char* suffix : {"", "-wal", "-shm", "-journal"}) {
        const QFileInfo file(path + QLatin1String(suffix));
        if (file.exists() && !file.isWritable())
            return Status::FileReadOnly;
    }
    if (lowOnSpace(folder))
        return Status::DiskFull;
    return std::nullopt;
}

} // namespace

PracticeDatabase::Opening PracticeDatabase::open(const QString& path, CheckDepth depth)
{
    const QFileInfo info(path);
    if (info.exists() && !info.isFile())
        return {nullptr, Status::Damaged, QStringLiteral("it is not a file")};
    // Judged while another program writes it, a sound file could look damaged.
    if (openInAnotherProcess(path))
        return {nullptr, Status::InUse};
    if (QFile file(path); info.exists() && !file.open(QIODevice::ReadOnly))
        return {nullptr, Status::Unreadable, {}, file.errorString()};

    const PracticeFileJudgement judged = judgePracticeFile(path, depth);
    switch (judged.verdict) {
    case PracticeFileJudgement::Verdict::Empty:
    case PracticeFileJudgement::Verdict::Sound:
        break;
    case PracticeFileJudgement::Verdict::TooNew:
        return {nullptr, Status::TooNew, judged.reason};
    case PracticeFileJudgement::Verdict::Damaged:
        return {nullptr, Status::Damaged, judged.reason, judged.details};
    case PracticeFileJudgement::Verdict::ForeignLog:
        return {nullptr, Status::ForeignLog, judged.reason, judged.details};
    case PracticeFileJudgement::Verdict::Unknown:
        return {nullptr, lowOnSpace(info.absolutePath()) ? Status::DiskFull : Status::Unavailable,
                judged.reason, judged.details};
    }
    if (const std::optional<Status> blocked = writingObstacle(path))
        return {nullptr, *blocked};
    return openForWriting(path);
}

PracticeDatabase::Opening PracticeDatabase::openForWriting(const QString& path)
{
    static QAtomicInt counter;
    const QString connection = QStringLiteral("practice-%1").arg(counter.fetchAndAddRelaxed(1));
    std::unique_ptr<PracticeDatabase> database(new PracticeDatabase(connection, path));
    QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), connection);
    db.setDatabaseName(path);
    db.setConnectOptions(QStringLiteral("QSQLITE_BUSY_TIMEOUT=5000"));
    const auto failed = [&](const QSqlError& error) {
        db = QSqlDatabase();
        return Opening{nullptr, obstacle(error, QFileInfo(path).absolutePath()), {}, error.text()};
    };
    if (!db.open())
        return failed(db.lastError());

    QSqlError error;
    const int version = single(db, QStringLiteral("PRAGMA user_version"), error).toInt();
    if (error.isValid())
        return failed(error);
    // Another program may have changed the file since it was judged.
    if (version > kSchemaVersion) {
        db = QSqlDatabase();
        return {nullptr, Status::TooNew,
                QStringLiteral("its layout is version %1; this program knows up to %2")
                    .arg(version)
                    .arg(kSchemaVersion)};
    }

    // FULL rather than NORMAL: in WAL mode NORMAL may lose the last commits on a power cut. An
    // entry is written a few times a day, so the extra sync per commit costs nothing a user sees,
    // and an entry the journal has shown is on disk.
    const QString mode = single(db, QStringLiteral("PRAGMA journal_mode = WAL"), error).toString();
    if (error.isValid())
        return failed(error);
    if (mode != QLatin1String("wal"))
        return failed(QSqlError(QStringLiteral("the journal mode stayed \"%1\"").arg(mode), {},
                                QSqlError::UnknownError));
    for (const auto* pragma : {"PRAGMA synchronous = FULL", "PRAGMA foreign_keys = ON"}) {
        QSqlQuery query(db);
        if (!query.exec(QString::fromLatin1(pragma)))
            return failed(query.lastError());
    }
    if (const QSqlError migrated = migratePracticeSchema(db, version); migrated.isValid())
        return failed(migrated);

    database->m_identity = single(db, QStringLiteral("PRAGMA application_id"), error).toInt();
    if (error.isValid())
        return failed(error);
    if (database->m_identity == 0) {
        database->m_identity =
            QRandomGenerator::global()->bounded(1, std::numeric_limits<qint32>::max());
        // Into the file itself at once, not only into the log, so that the file alone says
        // which journal it is.
        for (const QString& sql :
             {QStringLiteral("PRAGMA application_id = %1").arg(database->m_identity),
              QStringLiteral("PRAGMA wal_checkpoint(TRUNCATE)")}) {
            QSqlQuery query(db);
            if (!query.exec(sql))
                return failed(query.lastError());
        }
    }
    db = QSqlDatabase();
    return {std::move(database), Status::Opened};
}

PracticeDatabase::PracticeDatabase(QString connection, QString path)
    : m_connection(std::move(connection))
    , m_path(std::move(path))
{
}

PracticeDatabase::~PracticeDatabase()
{
    QSqlDatabase::database(m_connection, false).close();
    QSqlDatabase::removeDatabase(m_connection);
}

QSqlDatabase PracticeDatabase::db() const
{
    return QSqlDatabase::database(m_connection, false);
}

bool PracticeDatabase::fail(const QString& why) const
{
    m_error = why;
    return false;
}

bool PracticeDatabase::addEntry(JournalEntry& entry)
{
    if (const QString problem = journalEntryProblem(entry); !problem.isEmpty())
        return fail(problem);
    Transaction transaction(db(), m_identity);
    if (!transaction.isOpen())
        return fail(transaction.error());
    QSqlQuery insert(db());
    insert.prepare(QStringLiteral(
        "INSERT INTO entries (started, kind, title, summary, seconds, completed, note)"
        " VALUES (?, ?, ?, ?, ?, ?, ?)"));
    insert.addBindValue(storedTime(entry.started));
    insert.addBindValue(kindName(entry.kind));
    insert.addBindValue(text(entry.title));
    insert.addBindValue(text(entry.summary));
    insert.addBindValue(entry.seconds);
    insert.addBindValue(entry.completed ? 1 : 0);
    insert.addBindValue(text(entry.note));
    if (!insert.exec())
        return fail(insert.lastError().text());
    const qint64 id = insert.lastInsertId().toLongLong();
    if (!transaction.commit())
        return fail(db().lastError().text());
    entry.id = id;
    m_error.clear();
    return true;
}

bool PracticeDatabase::setNote(qint64 id, const QString& note)
{
    Transaction transaction(db(), m_identity);
    if (!transaction.isOpen())
        return fail(transaction.error());
    QSqlQuery update(db());
    update.prepare(QStringLiteral("UPDATE entries SET note = ? WHERE id = ?"));
    update.addBindValue(text(note));
    update.addBindValue(id);
    if (!update.exec())
        return fail(update.lastError().text());
    if (update.numRowsAffected() != 1)
        return fail(QStringLiteral("There is no journal entry %1.").arg(id));
    if (!transaction.commit())
        return fail(db().lastError().text());
    m_error.clear();
    return true;
}

QList<JournalEntry> PracticeDatabase::selectEntries(const QString& sql,
                                                    const QVariantList& values) const
{
    QList<JournalEntry> list;
    QSqlQuery select(db());
    select.setForwardOnly(true);
    select.prepare(QStringLiteral("SELECT id, started, kind, title, summary, seconds, completed, "
                                  "note FROM entries ")
                   + sql);
    for (const QVariant& value : values)
        select.addBindValue(value);
    if (!select.exec()) {
        fail(select.lastError().text());
        return list;
    }
    while (select.next()) {
        JournalEntry entry;
        entry.id = select.value(0).toLongLong();
        entry.started = readTime(select.value(1).toString());
        entry.kind = kindFromName(select.value(2).toString()).value_or(PracticeKind::Session);
        entry.title = select.value(3).toString();
        entry.summary = select.value(4).toString();
        entry.seconds = select.value(5).toInt();
        entry.completed = select.value(6).toInt() != 0;
        entry.note = select.value(7).toString();
        list.append(entry);
    }
    m_error.clear();
    return list;
}

QList<JournalEntry> PracticeDatabase::entries() const
{
    return selectEntries(QStringLiteral("ORDER BY started DESC, id DESC"), {});
}

int PracticeDatabase::entryCount() const
{
    QSqlQuery count(db());
    if (!count.exec(QStringLiteral("SELECT count(*) FROM entries")) || !count.next()) {
        fail(count.lastError().text());
        return 0;
    }
    return count.value(0).toInt();
}

QList<JournalEntry> PracticeDatabase::entryPage(int offset, int count) const
{
    // The index on the start time holds the id too, so a page is read straight from it.
    return selectEntries(QStringLiteral("ORDER BY started DESC, id DESC LIMIT ? OFFSET ?"),
                         {count, offset});
}

QList<WeekMinutes> PracticeDatabase::weeklyMinutes(const QDate& today, int weeks) const
{
    // SQLite totals each local day of the weeks shown; the days are folded into weeks here.
    QList<WeekMinutes> result = minutesPerWeek({}, today, weeks);
    if (result.isEmpty())
        return result;
    const QDate first = result.first().monday;
    // A day earlier in UTC, so no local day at the edge is missed; the days outside are skipped.
    const QString from = storedTime(first.startOfDay().addDays(-1));
    QSqlQuery days(db());
    days.setForwardOnly(true);
    days.prepare(QStringLiteral("SELECT date(started, 'localtime'), total(seconds) FROM entries"
                                " WHERE started >= ? GROUP BY 1"));
    days.addBindValue(from);
    if (!days.exec()) {
        fail(days.lastError().text());
        return result;
    }
    while (days.next()) {
        const QDate day = QDate::fromString(days.value(0).toString(), Qt::ISODate);
        if (day < first || day > today)
            continue;
        result[int(first.daysTo(day) / 7)].minutes += days.value(1).toDouble() / 60.0;
    }
    return result;
}

int PracticeDatabase::streak(const QDate& today) const
{
    // Newest first from the index, stopping at the first day missed: only the streak is read.
    QSqlQuery days(db());
    days.setForwardOnly(true);
    if (!days.exec(QStringLiteral("SELECT date(started, 'localtime') FROM entries"
                                  " WHERE seconds > 0 ORDER BY started DESC"))) {
        fail(days.lastError().text());
        return 0;
    }
    int streak = 0;
    QDate expected = today;
    while (days.next()) {
        const QDate day = QDate::fromString(days.value(0).toString(), Qt::ISODate);
        if (day > expected)
            continue;
        if (day == expected) {
            ++streak;
            expected = expected.addDays(-1);
        } else if (streak == 0 && day == today.addDays(-1)) {
            // Today has none yet: the streak may still end yesterday.
            streak = 1;
            expected = day.addDays(-1);
        } else {
            break;
        }
    }
    return streak;
}

QStringList PracticeDatabase::sessionNames() const
{
    QList<std::pair<QString, QString>> found;
    QSqlQuery select(db());
    if (!select.exec(QStringLiteral("SELECT folded_name, name FROM sessions"))) {
        fail(select.lastError().text());
        return {};
    }
    while (select.next())
        found.append({select.value(0).toString(), select.value(1).toString()});
    // Sorted here rather than by SQLite, whose byte order differs from QString's.
    std::sort(found.begin(), found.end());
    QStringList names;
    for (const auto& [key, name] : std::as_const(found))
        names.append(name);
    return names;
}

std::optional<qint64> PracticeDatabase::sessionId(const QString& name) const
{
    QSqlQuery select(db());
    select.prepare(QStringLiteral("SELECT id FROM sessions WHERE folded_name = ?"));
    select.addBindValue(sessionKey(name));
    if (!select.exec() || !select.next())
        return std::nullopt;
    return select.value(0).toLongLong();
}

std::optional<Session> PracticeDatabase::session(const QString& name) const
{
    QSqlQuery select(db());
    select.prepare(QStringLiteral("SELECT id, name FROM sessions WHERE folded_name = ?"));
    select.addBindValue(sessionKey(name));
    if (!select.exec() || !select.next())
        return std::nullopt;
    Session session;
    session.name = select.value(1).toString();
    QSqlQuery steps(db());
    steps.prepare(QStringLiteral("SELECT asana, hold, unit, both_sides FROM session_steps"
                                 " WHERE session_id = ? ORDER BY position"));
    steps.addBindValue(select.value(0));
    if (!steps.exec()) {
        fail(steps.lastError().text());
        return std::nullopt;
    }
    while (steps.next()) {
        SessionStep step;
        step.asana = steps.value(0).toString();
        step.hold = steps.value(1).toInt();
        step.unit = unitFromName(steps.value(2).toString());
        step.bothSides = steps.value(3).toInt() != 0;
        session.steps.append(step);
    }
    return session;
}

bool PracticeDatabase::writeSession(const Session& session, std::optional<qint64> replacing)
{
    const QString name = session.name.trimmed();
    Transaction transaction(db(), m_identity);
    if (!transaction.isOpen())
        return fail(transaction.error());
    QSqlQuery row(db());
    if (replacing) {
        row.prepare(QStringLiteral("UPDATE sessions SET name = ? WHERE id = ?"));
        row.addBindValue(name);
        row.addBindValue(*replacing);
        QSqlQuery clear(db());
        clear.prepare(QStringLiteral("DELETE FROM session_steps WHERE session_id = ?"));
        clear.addBindValue(*replacing);
        if (!clear.exec())
            return fail(clear.lastError().text());
    } else {
        row.prepare(QStringLiteral("INSERT INTO sessions (name, folded_name) VALUES (?, ?)"));
        row.addBindValue(name);
        row.addBindValue(sessionKey(name));
    }
    if (!row.exec())
        return fail(row.lastError().text());
    const qint64 id = replacing ? *replacing : row.lastInsertId().toLongLong();

    QSqlQuery step(db());
    step.prepare(QStringLiteral("INSERT INTO session_steps"
                                " (session_id, position, asana, hold, unit, both_sides)"
                                " VALUES (?, ?, ?, ?, ?, ?)"));
    for (qsizetype i = 0; i < session.steps.size(); ++i) {
        const SessionStep& s = session.steps[i];
        step.bindValue(0, id);
        step.bindValue(1, qint64(i));
        step.bindValue(2, text(s.asana));
        step.bindValue(3, s.hold);
        step.bindValue(4, unitName(s.unit));
        step.bindValue(5, s.bothSides ? 1 : 0);
        if (!step.exec())
            return fail(step.lastError().text());
    }
    if (!transaction.commit())
        return fail(db().lastError().text());
    m_error.clear();
    return true;
}

bool PracticeDatabase::saveSession(const Session& session)
{
    if (const QString problem = sessionNameProblem(session.name); !problem.isEmpty())
        return fail(problem);
    return writeSession(session, sessionId(session.name));
}

bool PracticeDatabase::renameSession(const QString& from, const QString& to)
{
    const std::optional<qint64> id = sessionId(from);
    const bool taken = sessionKey(to) != sessionKey(from) && sessionId(to);
    if (const QString problem = sessionCopyProblem(from, id.has_value(), to, taken);
        !problem.isEmpty())
        return fail(problem);
    Transaction transaction(db(), m_identity);
    if (!transaction.isOpen())
        return fail(transaction.error());
    QSqlQuery update(db());
    update.prepare(QStringLiteral("UPDATE sessions SET name = ?, folded_name = ? WHERE id = ?"));
    update.addBindValue(to.trimmed());
    update.addBindValue(sessionKey(to));
    update.addBindValue(*id);
    if (!update.exec() || !transaction.commit())
        return fail(update.lastError().isValid() ? update.lastError().text()
                                                 : db().lastError().text());
    m_error.clear();
    return true;
}

bool PracticeDatabase::duplicateSession(const QString& from, const QString& to)
{
    std::optional<Session> old = session(from);
    if (const QString problem =
            sessionCopyProblem(from, old.has_value(), to, sessionId(to).has_value());
        !problem.isEmpty())
        return fail(problem);
    old->name = to;
    return saveSession(*old);
}

bool PracticeDatabase::removeSession(const QString& name)
{
    const std::optional<qint64> id = sessionId(name);
    if (!id)
        return fail(missingSessionProblem(name));
    Transaction transaction(db(), m_identity);
    if (!transaction.isOpen())
        return fail(transaction.error());
    QSqlQuery remove(db());
    remove.prepare(QStringLiteral("DELETE FROM sessions WHERE id = ?"));
    remove.addBindValue(*id);
    if (!remove.exec() || !transaction.commit())
        return fail(remove.lastError().isValid() ? remove.lastError().text()
                                                 : db().lastError().text());
    m_error.clear();
    return true;
}

} // namespace tarvo::practice
