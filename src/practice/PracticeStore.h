#pragma once

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
