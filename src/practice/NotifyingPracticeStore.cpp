#include "practice/NotifyingPracticeStore.h"

#include <utility>

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
    m_opener = nullptr;
    m_store = std::move(store);
    emit entriesChanged();
    emit sessionsChanged();
}

void NotifyingPracticeStore::openLater(std::function<std::unique_ptr<PracticeStore>()> opener)
{
    m_opener = std::move(opener);
}

void NotifyingPracticeStore::openNow() const
{
    if (!m_opener)
        return;
    // Taken first, so an opener that reads the store finds the one it replaces.
    const auto opener = std::exchange(m_opener, nullptr);
    if (std::unique_ptr<PracticeStore> opened = opener())
        m_store = std::move(opened);
}

PracticeStore& NotifyingPracticeStore::store() const
{
    openNow();
    return *m_store;
}

bool NotifyingPracticeStore::addEntry(JournalEntry& entry)
{
    if (!store().addEntry(entry))
        return false;
    emit entryAdded(entry);
    return true;
}

bool NotifyingPracticeStore::setNote(qint64 id, const QString& note)
{
    if (!store().setNote(id, note))
        return false;
    emit noteChanged(id, note);
    return true;
}

std::optional<Session> NotifyingPracticeStore::session(const QString& name) const
{
    return store().session(name);
}

bool NotifyingPracticeStore::sessionsWritten(bool written)
{
    if (written)
        emit sessionsChanged();
    return written;
}

bool NotifyingPracticeStore::saveSession(const Session& session)
{
    return sessionsWritten(store().saveSession(session));
}

bool NotifyingPracticeStore::renameSession(const QString& from, const QString& to)
{
    return sessionsWritten(store().renameSession(from, to));
}

bool NotifyingPracticeStore::duplicateSession(const QString& from, const QString& to)
{
    return sessionsWritten(store().duplicateSession(from, to));
}

bool NotifyingPracticeStore::removeSession(const QString& name)
{
    return sessionsWritten(store().removeSession(name));
}

} // namespace tarvo::practice
