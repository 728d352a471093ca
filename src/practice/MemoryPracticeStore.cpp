#include "practice/MemoryPracticeStore.h"

#include <algorithm>

namespace tarvo::practice {

namespace {

QString folded(const QString& name)
{
    return name.trimmed().toCaseFolded();
}

} // namespace

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
    const auto found = m_sessions.constFind(folded(name));
    if (found == m_sessions.cend())
        return std::nullopt;
    return *found;
}

bool MemoryPracticeStore::saveSession(const Session& session)
{
    if (folded(session.name).isEmpty())
        return fail(QStringLiteral("A session needs a name."));
    Session stored = session;
    stored.name = session.name.trimmed();
    m_sessions.insert(folded(stored.name), stored);
    m_error.clear();
    return true;
}

bool MemoryPracticeStore::renameSession(const QString& from, const QString& to)
{
    std::optional<Session> old = session(from);
    if (!old)
        return fail(QStringLiteral("There is no session \"%1\".").arg(from));
    if (folded(to).isEmpty())
        return fail(QStringLiteral("A session needs a name."));
    if (folded(to) != folded(from) && m_sessions.contains(folded(to)))
        return fail(QStringLiteral("There is already a session \"%1\".").arg(to.trimmed()));
    m_sessions.remove(folded(from));
    old->name = to.trimmed();
    m_sessions.insert(folded(to), *old);
    m_error.clear();
    return true;
}

bool MemoryPracticeStore::duplicateSession(const QString& from, const QString& to)
{
    std::optional<Session> old = session(from);
    if (!old)
        return fail(QStringLiteral("There is no session \"%1\".").arg(from));
    if (m_sessions.contains(folded(to)))
        return fail(QStringLiteral("There is already a session \"%1\".").arg(to.trimmed()));
    old->name = to;
    return saveSession(*old);
}

bool MemoryPracticeStore::removeSession(const QString& name)
{
    if (m_sessions.remove(folded(name)) == 0)
        return fail(QStringLiteral("There is no session \"%1\".").arg(name));
    m_error.clear();
    return true;
}

} // namespace tarvo::practice
