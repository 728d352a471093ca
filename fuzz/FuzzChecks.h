#pragma once

#include <QByteArray>
#include <QDateTime>
#include <QString>

namespace tarvo::fuzz {

// What one input did: the reader's outcome, and a fault when a promise was broken.
// The fuzz targets abort on a fault; the corpus replay test fails on one.
struct Verdict {
    QString outcome;
    QString fault;
};

// Record file bytes: "values" or "refused", decoded from memory and read from a file alike.
Verdict checkRecordBytes(const QByteArray& bytes);

// A stored reminder value (UTF-8): "StoreNow", "StayQuiet" or "Ask", judged at replayNow().
Verdict checkReminderValue(const QByteArray& bytes);

// The moment the reminder outcome is judged at (09:30 local time, 8 December 2026).
QDateTime replayNow();

} // namespace tarvo::fuzz
