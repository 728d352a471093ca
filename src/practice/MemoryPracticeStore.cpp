#include "practice/MemoryPracticeStore.h"

#include <algorithm>

namespace tarvo::practice {

bool MemoryPracticeStore::fail(const QString& why)
{
    m_error = why;
    return false;
}

bool MemoryPracticeStore::addEntry(JournalEntry& entry)
{
    if (const QString problem = journalEntryProblem(entry); !problem.isEmpty())
        return fail(problem);
    entry.id = ++m_lastId;
    m_entries.append(entry);
    m_error.clear();
    return true;
}

bool MemoryPracticeStore::setNote(qint64 id, const QString& note)
{
    for (JournalEntry& entry : m_entries) {
        if (entry.id == id) {
            entry.note = note;
            m_error.clear();
            return true;
        }
    }
    return fail(QStringLiteral("There is no journal entry %1.").arg(id));
}

QList<JournalEntry> MemoryPracticeStore::entries() const
{
    QList<JournalEntry> newestFirst = m_entries;
    std::stable_sort(newestFirst.begin(), newestFirst.end(),
                     [](const JournalEntry& a, const JournalEntry& b) {
                         return a.started > b.started || (a.started == b.started && a.id > b.id);
                     });
    return newestFirst;
}

QStringList MemoryPracticeStore::sessionNames() const
{
    QStringList names;
    for (const Session& session : m_sessions)
        names.append(session.name);
    return names;
}

std::optional<Session> MemoryPracticeStore::session(const QString& name) const
{
    const auto found = m_sessions.constFind(sessionKey(name));
    if (found == m_sessions.cend())
        return std::nullopt;
    return *found;
}

bool MemoryPracticeStore::saveSession(const Session& session)
{
    if (const QString problem = sessionNameProblem(session.name); !problem.isEmpty())
        return fail(problem);
    Session stored = session;
    stored.name = session.name.trimmed();
    m_sessions.insert(sessionKey(stored.name), stored);
    m_error.clear();
    return true;
}

bool MemoryPracticeStore::renameSession(const QString& from, const QString& to)
{
    std::optional<Session> old = session(from);
    const bool taken = sessionKey(to) != sessionKey(from) && m_sessions.contains(sessionKey(to));
    if (const QString problem = sessionCopyProblem(from, old.has_value(), to, taken);
        !problem.isEmpty())
        return fail(problem);
    m_sessions.remove(sessionKey(from));
    old->name = to.trimmed();
    m_sessions.insert(sessionKey(to), *old);
    m_error.clear();
    return true;
}

bool MemoryPracticeStore::duplicateSession(const QString& from, const QString& to)
{
    std::optional<Session> old = session(from);
    if (const QString problem =
            sessionCopyProblem(from, old.has_value(), to, m_sessions.contains(sessionKey(to)));
        !problem.isEmpty())
        return fail(problem);
    old->name = to;
    return saveSession(*old);
}

bool MemoryPracticeStore::removeSession(const QString& name)
{
    if (m_sessions.remove(sessionKey(name)) == 0)
        return fail(missingSessionProblem(name));
    m_error.clear();
    return true;
}

} // namespace tarvo::practice
