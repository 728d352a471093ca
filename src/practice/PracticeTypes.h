#pragma once

#include <QDateTime>
#include <QList>
#include <QString>
#include <optional>

namespace tarvo::practice {

enum class HoldUnit { Breaths, Seconds };

// One pose of a session, named as the asana library names it ("Shavasana").
struct SessionStep {
    QString asana;
    int hold = 5;
    HoldUnit unit = HoldUnit::Breaths;
    // A one-sided pose is held on the left, then on the right.
    bool bothSides = false;

    friend bool operator==(const SessionStep&, const SessionStep&) = default;
};

struct Session {
    QString name;
    QList<SessionStep> steps;

    friend bool operator==(const Session&, const Session&) = default;
};

enum class PracticeKind { Session, Breathing };

// One finished or stopped practice, as the journal keeps it.
struct JournalEntry {
    // Given by the store when the entry is added.
    qint64 id = 0;
    QDateTime started;
    PracticeKind kind = PracticeKind::Session;
    // The session's name, or the breathing pattern's.
    QString title;
    // What was done, in one line: the poses, or the rounds and the pace.
    QString summary;
    int seconds = 0;
    // False when the user stopped before the end.
    bool completed = false;
    QString note;

    friend bool operator==(const JournalEntry&, const JournalEntry&) = default;
};

// The names the journal stores and exports: "session" and "breathing".
QString kindName(PracticeKind kind);
std::optional<PracticeKind> kindFromName(const QString& name);

// Why a store refuses the entry (no start time, a negative length), or an empty string.
QString journalEntryProblem(const JournalEntry& entry);

} // namespace tarvo::practice
