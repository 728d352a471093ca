#pragma once

#include <QDateTime>
#include <QList>
#include <QString>
#include <optional>

namespace tarvo::practice {

// A hold counted in breaths or seconds, or a movement repeated a number of times.
enum class HoldUnit { Breaths, Seconds, Times };

// One pose of a session, named as the asana library names it ("Shavasana").
struct SessionStep {
    QString asana;
    int hold = 5;
    HoldUnit unit = HoldUnit::Breaths;
    // A one-sided pose is held on the side its procedure starts on, then on the other.
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
// A length of time as a clock shows it: "m:ss".
QString clockText(int seconds);

QString kindName(PracticeKind kind);
std::optional<PracticeKind> kindFromName(const QString& name);

// Why a store refuses the entry (no start time, a negative length), or an empty string.
QString journalEntryProblem(const JournalEntry& entry);

// What identifies a session in a store: its name trimmed and without case, so "Evening " and
// "evening" are one session.
QString sessionKey(const QString& name);

// Why a store refuses to save a session under name ("" for none), or an empty string.
QString sessionNameProblem(const QString& name);
// Why a store refuses to rename or copy the session from to the name to, given whether from is
// there and whether to belongs to another session; or an empty string.
QString sessionCopyProblem(const QString& from, bool fromExists, const QString& to, bool toTaken);
// The store's answer for a session it does not have.
QString missingSessionProblem(const QString& name);

} // namespace tarvo::practice
