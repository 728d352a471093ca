#include "practice/NotifyingPracticeStore.h"

namespace tarvo::practice {

NotifyingPracticeStore::NotifyingPracticeStore(std::unique_ptr<PracticeStore> store,
                                               QObject* parent)
    : QObject(parent)
    , m_store(std::move(store))
{
}

NotifyingPracticeStore::~NotifyingPracticeStore() = default;

void NotifyingPracticeStore::replace(std::unique_ptr<PracticeStore> store)
{
    m_store = std::move(store);
    emit entriesChanged();
    emit sessionsChanged();
}

bool NotifyingPracticeStore::addEntry(JournalEntry& entry)
{
    if (!m_store->addEntry(entry))
        return false;
    emit entryAdded(entry);
    return true;
}

bool NotifyingPracticeStore::setNote(qint64 id, const QString& note)
{
    if (!m_store->setNote(id, note))
        return false;
    emit noteChanged(id, note);
    return true;
}

std::optional<Session> NotifyingPracticeStore::session(const QString& name) const
{
    return m_store->session(name);
}

bool NotifyingPracticeStore::sessionsWritten(bool written)
{
    if (written)
        emit sessionsChanged();
    return written;
}

bool NotifyingPracticeStore::saveSession(const Session& session)
{
    return sessionsWritten(m_store->saveSession(session));
}

bool NotifyingPracticeStore::renameSession(const QString& from, const QString& to)
{
    return sessionsWritten(m_store->renameSession(from, to));
}

bool NotifyingPracticeStore::duplicateSession(const QString& from, const QString& to)
{
    return sessionsWritten(m_store->duplicateSession(from, to));
}

bool NotifyingPracticeStore::removeSession(const QString& name)
{
    return sessionsWritten(m_store->removeSession(name));
}

} // namespace tarvo::practice
