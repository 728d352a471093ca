#pragma once

#include "practice/PracticeStore.h"

#include <QDateTime>
#include <memory>

namespace tarvo::practice {

struct PracticeStoreOpening {
    enum class Outcome {
        Opened,
        // The old file was damaged, is kept under movedTo, and a new journal was started.
        MovedAside,
        // The journal is kept in memory for this run only; notice says why.
        InMemory,
    };

    std::unique_ptr<PracticeStore> store;
    Outcome outcome = Outcome::InMemory;
    QString databasePath;
    QString movedTo;
    // What the user should be told at start-up; empty when all went well.
    QString notice;
};

// Opens practice.sqlite in folder (made if missing). A damaged file is moved aside under a name
// with now's date and time, never deleted; a file from a newer program is left alone. Whatever
// happens, the returned store works.
PracticeStoreOpening openPracticeStore(const QString& folder, const QDateTime& now);

// The name a damaged file is moved to: "practice.sqlite.damaged-2026-12-09-103000".
QString damagedName(const QString& path, const QDateTime& now);

} // namespace tarvo::practice
