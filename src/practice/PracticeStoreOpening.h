#pragma once

#include "practice/PracticeFileJudge.h"
#include "practice/PracticeStore.h"

#include <QDateTime>
#include <memory>

namespace tarvo::practice {

struct PracticeStoreOpening {
    enum class Outcome {
        Opened,
        // The old file was damaged, is kept under movedTo, and a new journal was started.
        MovedAside,
        // The journal opened without the write-ahead log found beside it, which belonged to
        // another database and is kept under movedTo (its -wal and -shm).
        LogSetAside,
        // The journal is kept in memory for this run only; notice says why.
        InMemory,
    };

    std::unique_ptr<PracticeStore> store;
    Outcome outcome = Outcome::InMemory;
    QString databasePath;
    QString movedTo;
    // What the user should be told at start-up, in a few lines; empty when all went well.
    QString notice;
    // SQLite's own words behind the notice, however long, for "Show Details…".
    QString details;
};

// Opens practice.sqlite in folder (made if missing). A damaged file is moved aside with its
// companions under a name with now's date and time, never deleted or changed; a file from a newer
// program, or one that cannot be used this time, is left alone. Whatever happens, the returned
// store works.
PracticeStoreOpening openPracticeStore(const QString& folder, const QDateTime& now,
                                       CheckDepth depth = CheckDepth::WholeFile);

// The name a damaged file is moved to: "practice.sqlite.damaged-2026-12-09-103000".
QString damagedName(const QString& path, const QDateTime& now);

} // namespace tarvo::practice
