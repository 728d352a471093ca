#pragma once

#include "practice/PracticeStats.h"
#include "practice/PracticeTypes.h"

#include <QStringList>

namespace tarvo::practice {

// Where practice is kept: the journal and the saved sessions. Each write is all or nothing: a
// false return leaves the store as it was, and error() says why.
class PracticeStore {
public:
    virtual ~PracticeStore() = default;

    virtual QString error() const = 0;

    // Sets entry.id.
    virtual bool addEntry(JournalEntry& entry) = 0;
    virtual bool setNote(qint64 id, const QString& note) = 0;
    // Newest first.
    virtual QList<JournalEntry> entries() const = 0;
    // The same a page at a time, and what the journal's chart and streak show. A store of a
    // few entries answers from entries(); the database asks SQLite, and reads no more than
    // it shows.
    virtual int entryCount() const { return int(entries().size()); }
    virtual QList<JournalEntry> entryPage(int offset, int count) const
    {
        return entries().mid(offset, count);
    }
    virtual QList<WeekMinutes> weeklyMinutes(const QDate& today, int weeks) const
    {
        return minutesPerWeek(entries(), today, weeks);
    }
    virtual int streak(const QDate& today) const { return currentStreak(entries(), today); }

    // Sorted by name, ignoring case.
    virtual QStringList sessionNames() const = 0;
    virtual std::optional<Session> session(const QString& name) const = 0;
    // Adds the session, or replaces the one of the same name.
    virtual bool saveSession(const Session& session) = 0;
    // These three refuse a name that is taken or a session that does not exist.
    virtual bool renameSession(const QString& from, const QString& to) = 0;
    virtual bool duplicateSession(const QString& from, const QString& to) = 0;
    virtual bool removeSession(const QString& name) = 0;
};

} // namespace tarvo::practice
