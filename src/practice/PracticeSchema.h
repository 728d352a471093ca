#pragma once

#include <QSqlError>

class QSqlDatabase;

namespace tarvo::practice {

// Brings the file from its layout (PRAGMA user_version) up to PracticeDatabase::kSchemaVersion,
// one step at a time and all in one transaction: a failed step leaves the file as it was.
// Returns no error, or SQLite's, whose code says whether the file or the disk is at fault.
QSqlError migratePracticeSchema(QSqlDatabase& db, int fromVersion);

// SQLite's complaint when the file lacks a table or column its layout (1 or later) has, or no
// error: a journal that lost its entries table is damaged, not one to write into.
QSqlError practiceLayoutProblem(QSqlDatabase& db, int version);

} // namespace tarvo::practice
