#pragma once

#include <QString>

namespace tarvo::practice {

// What a practice journal file is, judged only from what it says (the header, SQLite's check,
// the layout), without writing to it or beside it.
struct PracticeFileJudgement {
    enum class Verdict {
        // No file, or an empty one: a new journal starts there.
        Empty,
        Sound,
        // Written by a newer program.
        TooNew,
        // The file is the fault: not a database, failing its check, or not laid out as a journal.
        Damaged,
        // The file is a sound journal, but the write-ahead log beside it belongs to another
        // database: applied, it would overwrite the journal.
        ForeignLog,
        // It could not be read to be judged (an I/O error, no room for the copy): nothing is known.
        Unknown,
    };

    Verdict verdict = Verdict::Unknown;
    // For the user, short: "it is damaged".
    QString reason;
    // SQLite's own words, however long.
    QString details;
};

// How much of a file is read to judge it: every page (SQLite's quick check), or the header and
// the layout alone. A file with a log beside it, left by a program that did not close, is read
// whole either way.
enum class CheckDepth { WholeFile, Layout };

// Call only while no other process has the file open: a file being written may look damaged.
PracticeFileJudgement judgePracticeFile(const QString& path,
                                        CheckDepth depth = CheckDepth::WholeFile);

} // namespace tarvo::practice
