#pragma once

#include "practice/PracticeStore.h"

#include <QObject>
#include <functional>
#include <memory>

namespace tarvo::practice {

// The store the program's windows share: it passes every call to the store it holds and tells
// open windows what changed, so a journal on screen follows a practice that has just ended.
class NotifyingPracticeStore final : public QObject, public PracticeStore {
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(NotifyingPracticeStore)

public:
    explicit NotifyingPracticeStore(std::unique_ptr<PracticeStore> store,
                                    QObject* parent = nullptr);
    ~NotifyingPracticeStore() override;

    // Hands over to another store (the database, once it is open); everything counts as changed.
    void replace(std::unique_ptr<PracticeStore> store);
    // The store is opened by opener when it is first used, or by openNow(), not before: opening
    // the journal need not hold up the first frame.
    void openLater(std::function<std::unique_ptr<PracticeStore>()> opener);
    void openNow() const;

    QString error() const override { return store().error(); }

    bool addEntry(JournalEntry& entry) override;
    bool setNote(qint64 id, const QString& note) override;
    QList<JournalEntry> entries() const override { return store().entries(); }
    int entryCount() const override { return store().entryCount(); }
    QList<JournalEntry> entryPage(int offset, int count) const override
    {
        return store().entryPage(offset, count);
    }
    QList<WeekMinutes> weeklyMinutes(const QDate& today, int weeks) const override
    {
        return store().weeklyMinutes(today, weeks);
    }
    int streak(const QDate& today) const override { return store().streak(today); }

    QStringList sessionNames() const override { return store().sessionNames(); }
    std::optional<Session> session(const QString& name) const override;
    bool saveSession(const Session& session) override;
    bool renameSession(const QString& from, const QString& to) override;
    bool duplicateSession(const QString& from, const QString& to) override;
    bool removeSession(const QString& name) override;

signals:
    // One entry written, or everything to be read again.
    void entryAdded(const tarvo::practice::JournalEntry& entry);
    void entriesChanged();
    void noteChanged(qint64 id, const QString& note);
    void sessionsChanged();

private:
    PracticeStore& store() const;
    bool sessionsWritten(bool written);

    mutable std::unique_ptr<PracticeStore> m_store;
    mutable std::function<std::unique_ptr<PracticeStore>()> m_opener;
};

} // namespace tarvo::practice
