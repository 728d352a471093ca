#pragma once

#include "practice/PracticeTypes.h"

#include <QByteArray>

namespace tarvo::practice {

// The journal as CSV (RFC 4180: comma, CRLF, quotes doubled), UTF-8, a header row first:
// Date,Time,Kind,Title,Summary,Seconds,Completed,Note. Dates and times are ISO 8601, local.
// Whole seconds rather than decimal minutes: exact, and read alike whatever a spreadsheet takes
// as the decimal separator.
QByteArray journalCsv(const QList<JournalEntry>& entries);

// Writes the CSV whole or not at all: on failure an existing file keeps its old content and
// error says why.
bool writeJournalCsv(const QString& path, const QList<JournalEntry>& entries, QString* error);

} // namespace tarvo::practice
