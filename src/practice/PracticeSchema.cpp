#include "practice/PracticeSchema.h"

#include "practice/PracticeDatabase.h"

#include <QSqlDatabase>
#include <QSqlError>
#include <QSqlQuery>

namespace tarvo::practice {

namespace {

// Version 1, the first journal: how long, in whole minutes, and nothing else.
const char* const kVersion1[] = {
    "CREATE TABLE entries ("
    " id INTEGER PRIMARY KEY,"
    " started TEXT NOT NULL,"
    " kind TEXT NOT NULL,"
    " title TEXT NOT NULL,"
    " minutes INTEGER NOT NULL)",
};

// Version 2: seconds, the one-line summary, whether it was finished and the user's note; saved
// sessions with their steps. Entries from version 1 count as finished, having no way to say
// otherwise.
const char* const kVersion2[] = {
    "CREATE TABLE entries_v2 ("
    " id INTEGER PRIMARY KEY,"
    " started TEXT NOT NULL,"
    " kind TEXT NOT NULL CHECK (kind IN ('session', 'breathing')),"
    " title TEXT NOT NULL,"
    " summary TEXT NOT NULL DEFAULT '',"
    " seconds INTEGER NOT NULL CHECK (seconds >= 0),"
    " completed INTEGER NOT NULL CHECK (completed IN (0, 1)),"
    " note TEXT NOT NULL DEFAULT '')",
    "INSERT INTO entries_v2 (id, started, kind, title, summary, seconds, completed, note)"
    " SELECT id, started, kind, title, '', minutes * 60, 1, '' FROM entries",
    "DROP TABLE entries",
    "ALTER TABLE entries_v2 RENAME TO entries",
    "CREATE INDEX entries_by_start ON entries (started)",
    "CREATE TABLE sessions ("
    " id INTEGER PRIMARY KEY,"
    " name TEXT NOT NULL,"
    " folded_name TEXT NOT NULL UNIQUE)",
    "CREATE TABLE session_steps ("
    " session_id INTEGER NOT NULL REFERENCES sessions (id) ON DELETE CASCADE,"
    " position INTEGER NOT NULL,"
    " asana TEXT NOT NULL,"
    " hold INTEGER NOT NULL,"
    " unit TEXT NOT NULL CHECK (unit IN ('breaths', 'seconds')),"
    " both_sides INTEGER NOT NULL CHECK (both_sides IN (0, 1)),"
    " PRIMARY KEY (session_id, position))",
};

// Version 3: a step may repeat a movement a number of times.
const char* const kVersion3[] = {
    "CREATE TABLE session_steps_v3 ("
    " session_id INTEGER NOT NULL REFERENCES sessions (id) ON DELETE CASCADE,"
    " position INTEGER NOT NULL,"
    " asana TEXT NOT NULL,"
    " hold INTEGER NOT NULL,"
    " unit TEXT NOT NULL CHECK (unit IN ('breaths', 'seconds', 'times')),"
    " both_sides INTEGER NOT NULL CHECK (both_sides IN (0, 1)),"
    " PRIMARY KEY (session_id, position))",
    "INSERT INTO session_steps_v3 SELECT * FROM session_steps",
    "DROP TABLE session_steps",
    "ALTER TABLE session_steps_v3 RENAME TO session_steps",
};

// What each layout answers to: every table with the columns this program reads and writes.
const char* const kLayout1[] = {
    "SELECT id, started, kind, title, minutes FROM entries",
};
const char* const kLayout2[] = {
    "SELECT id, started, kind, title, summary, seconds, completed, note FROM entries",
    "SELECT id, name, folded_name FROM sessions",
    "SELECT session_id, position, asana, hold, unit, both_sides FROM session_steps",
};

template <std::size_t N> QSqlError run(QSqlDatabase& db, const char* const (&statements)[N])
{
    for (const char* statement : statements) {
        QSqlQuery query(db);
        if (!query.exec(QString::fromLatin1(statement)))
            return query.lastError();
    }
    return {};
}

// Prepared only: SQLite checks every name against the file's tables without reading a row.
template <std::size_t N> QSqlError prepare(QSqlDatabase& db, const char* const (&statements)[N])
{
    for (const char* statement : statements) {
        QSqlQuery query(db);
        if (!query.prepare(QString::fromLatin1(statement)))
            return query.lastError();
    }
    return {};
}

QSqlError unknownLayout(int version)
{
    return QSqlError(QStringLiteral("no layout version %1").arg(version), {},
                     QSqlError::UnknownError);
}

QSqlError step(QSqlDatabase& db, int toVersion)
{
    switch (toVersion) {
    case 1:
        return run(db, kVersion1);
    case 2:
        return run(db, kVersion2);
    case 3:
        return run(db, kVersion3);
    default:
        return unknownLayout(toVersion);
    }
}

} // namespace

QSqlError migratePracticeSchema(QSqlDatabase& db, int fromVersion)
{
    if (fromVersion == PracticeDatabase::kSchemaVersion)
        return {};
    if (!db.transaction())
        return db.lastError();
    for (int version = fromVersion + 1; version <= PracticeDatabase::kSchemaVersion; ++version) {
        if (QSqlError problem = step(db, version); problem.isValid()) {
            db.rollback();
            return problem;
        }
    }
    QSqlQuery stamp(db);
    if (!stamp.exec(
            QStringLiteral("PRAGMA user_version = %1").arg(PracticeDatabase::kSchemaVersion))) {
        const QSqlError problem = stamp.lastError();
        db.rollback();
        return problem;
    }
    if (!db.commit()) {
        const QSqlError problem = db.lastError();
        db.rollback();
        return problem;
    }
    return {};
}

QSqlError practiceLayoutProblem(QSqlDatabase& db, int version)
{
    switch (version) {
    case 1:
        return prepare(db, kLayout1);
    case 2:
    case 3:
        // Layout 3 has the tables of layout 2; only what a step's unit may hold is wider.
        return prepare(db, kLayout2);
    default:
        return unknownLayout(version);
    }
}

} // namespace tarvo::practice
