#pragma once

#include <QString>

class QSqlDatabase;

namespace tarvo::practice {

// Brings the file from its layout (PRAGMA user_version) up to PracticeDatabase::kSchemaVersion,
// one step at a time and all in one transaction: a failed step leaves the file as it was.
// Returns an empty string, or what went wrong.
QString migratePracticeSchema(QSqlDatabase& db, int fromVersion);

} // namespace tarvo::practice
