#include "practice/PracticeDatabase.h"

#include "practice/PracticeSchema.h"

#include <QAtomicInt>
#include <QFile>
#include <QFileInfo>
#include <QSqlDatabase>
#include <QSqlError>
#include <QSqlQuery>
#include <algorithm>

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

// A write that is undone unless it is committed.
class Transaction final {
public:
    explicit Transaction(QSqlDatabase db)
        : m_db(std::move(db))
        , m_open(m_db.transaction())
    {
    }
    ~Transaction()
    {
        if (m_open)
            m_db.rollback();
    }
    Q_DISABLE_COPY_MOVE(Transaction)

    bool isOpen() const { return m_open; }
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
};

// One query's first value, or an error in problem.
QVariant single(QSqlDatabase& db, const QString& sql, QString& problem)
{
    QSqlQuery query(db);
    if (!query.exec(sql)) {
        problem = query.lastError().text();
        return {};
    }
    if (!query.next()) {
        problem = query.lastError().isValid() ? query.lastError().text()
                                              : QStringLiteral("no answer to \"%1\"").arg(sql);
        return {};
    }
    return query.value(0);
}

// A version-0 file that already holds tables belongs to something else.
bool holdsTables(QSqlDatabase& db, QString& problem)
{
    return single(db, QStringLiteral("SELECT count(*) FROM sqlite_master"), problem).toInt() > 0;
}

bool hasDatabaseHeader(const QString& path)
{
    static const QByteArray magic("SQLite format 3", 16);
    QFile file(path);
    return file.open(QIODevice::ReadOnly) && file.read(magic.size()) == magic;
}

} // namespace

PracticeDatabase::Opening PracticeDatabase::open(const QString& path)
{
    static QAtomicInt counter;
    const QString connection = QStringLiteral("practice-%1").arg(counter.fetchAndAddRelaxed(1));
    const QFileInfo info(path);
    const bool existed = info.exists();
    if (existed && !info.isFile())
        return {nullptr, Status::Damaged, QStringLiteral("it is not a file")};
    if (existed && !info.isReadable())
        return {nullptr, Status::Damaged, QStringLiteral("it cannot be read")};
    // Judged before SQLite opens it: on a file that is not a database SQLite may still reset
    // the write-ahead log beside it, which belongs to what is being moved aside.
    if (existed && info.size() > 0 && !hasDatabaseHeader(path))
        return {nullptr, Status::Damaged, QStringLiteral("it is not a database")};

    std::unique_ptr<PracticeDatabase> database(new PracticeDatabase(connection, path));
    QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), connection);
    db.setDatabaseName(path);
    db.setConnectOptions(QStringLiteral("QSQLITE_BUSY_TIMEOUT=5000"));
    const auto failed = [&](Status status, const QString& reason) {
        db = QSqlDatabase();
        return Opening{nullptr, status, reason};
    };
    if (!db.open())
        return failed(existed ? Status::Damaged : Status::Unavailable, db.lastError().text());

    // Reading only, until the file is known to be one of ours and sound.
    QString problem;
    const int version = single(db, QStringLiteral("PRAGMA user_version"), problem).toInt();
    if (!problem.isEmpty())
        return failed(existed ? Status::Damaged : Status::Unavailable, problem);
    if (version > kSchemaVersion)
        return failed(Status::TooNew,
                      QStringLiteral("its layout is version %1; this program knows up to %2")
                          .arg(version)
                          .arg(kSchemaVersion));
    const QString check = single(db, QStringLiteral("PRAGMA quick_check"), problem).toString();
    if (!problem.isEmpty())
        return failed(Status::Damaged, problem);
    if (check != QLatin1String("ok"))
        return failed(Status::Damaged, check);
    if (version == 0 && holdsTables(db, problem))
        return failed(Status::Damaged, QStringLiteral("it is not a practice journal"));
    if (!problem.isEmpty())
        return failed(Status::Damaged, problem);

    // FULL rather than NORMAL: in WAL mode NORMAL may lose the last commits on a power cut. An
    // entry is written a few times a day, so the extra sync per commit costs nothing a user sees,
    // and an entry the journal has shown is on disk.
    const QString mode =
        single(db, QStringLiteral("PRAGMA journal_mode = WAL"), problem).toString();
    if (problem.isEmpty() && mode != QLatin1String("wal"))
        problem = QStringLiteral("the journal mode stayed \"%1\"").arg(mode);
    for (const auto* pragma : {"PRAGMA synchronous = FULL", "PRAGMA foreign_keys = ON"}) {
        QSqlQuery query(db);
        if (problem.isEmpty() && !query.exec(QString::fromLatin1(pragma)))
            problem = query.lastError().text();
    }
    if (problem.isEmpty())
        problem = migratePracticeSchema(db, version);
    if (!problem.isEmpty())
        return failed(Status::Unavailable, problem);
    db = QSqlDatabase();
    return {std::move(database), Status::Opened, {}};
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
    Transaction transaction(db());
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
    if (!transaction.isOpen() || !insert.exec())
        return fail(insert.lastError().isValid() ? insert.lastError().text()
                                                 : db().lastError().text());
    const qint64 id = insert.lastInsertId().toLongLong();
    if (!transaction.commit())
        return fail(db().lastError().text());
    entry.id = id;
    m_error.clear();
    return true;
}

bool PracticeDatabase::setNote(qint64 id, const QString& note)
{
    Transaction transaction(db());
    QSqlQuery update(db());
    update.prepare(QStringLiteral("UPDATE entries SET note = ? WHERE id = ?"));
    update.addBindValue(text(note));
    update.addBindValue(id);
    if (!transaction.isOpen() || !update.exec())
        return fail(update.lastError().text());
    if (update.numRowsAffected() != 1)
        return fail(QStringLiteral("There is no journal entry %1.").arg(id));
    if (!transaction.commit())
        return fail(db().lastError().text());
    m_error.clear();
    return true;
}

QList<JournalEntry> PracticeDatabase::entries() const
{
    QList<JournalEntry> list;
    QSqlQuery select(db());
    select.setForwardOnly(true);
    if (!select.exec(QStringLiteral(
            "SELECT id, started, kind, title, summary, seconds, completed, note FROM entries"
            " ORDER BY started DESC, id DESC"))) {
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
    Transaction transaction(db());
    if (!transaction.isOpen())
        return fail(db().lastError().text());
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
    Transaction transaction(db());
    QSqlQuery update(db());
    update.prepare(QStringLiteral("UPDATE sessions SET name = ?, folded_name = ? WHERE id = ?"));
    update.addBindValue(to.trimmed());
    update.addBindValue(sessionKey(to));
    update.addBindValue(*id);
    if (!transaction.isOpen() || !update.exec() || !transaction.commit())
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
    Transaction transaction(db());
    QSqlQuery remove(db());
    remove.prepare(QStringLiteral("DELETE FROM sessions WHERE id = ?"));
    remove.addBindValue(*id);
    if (!transaction.isOpen() || !remove.exec() || !transaction.commit())
        return fail(remove.lastError().isValid() ? remove.lastError().text()
                                                 : db().lastError().text());
    m_error.clear();
    return true;
}

} // namespace tarvo::practice
