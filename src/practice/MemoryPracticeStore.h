#pragma once

#include "practice/PracticeStore.h"

#include <QMap>

namespace tarvo::practice {

// Practice kept for as long as the program runs: where no database can be had, and in tests.
class MemoryPracticeStore final : public PracticeStore {
public:
    QString error() const override { return m_error; }

    bool addEntry(JournalEntry& entry) override;
    bool setNote(qint64 id, const QString& note) override;
    QList<JournalEntry> entries() const override;

    QStringList sessionNames() const override;
    std::optional<Session> session(const QString& name) const override;
    bool saveSession(const Session& session) override;
    bool renameSession(const QString& from, const QString& to) override;
    bool duplicateSession(const QString& from, const QString& to) override;
    bool removeSession(const QString& name) override;

private:
    bool fail(const QString& why);

    QList<JournalEntry> m_entries;
    // Keyed by the folded name, so "Morning" and "morning" are one session.
    QMap<QString, Session> m_sessions;
    qint64 m_lastId = 0;
    QString m_error;
};

} // namespace tarvo::practice
