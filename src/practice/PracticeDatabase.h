#pragma once

#include "practice/PracticeStore.h"

#include <memory>

class QSqlDatabase;

namespace tarvo::practice {

// The journal and the saved sessions in an SQLite file. Every write is one transaction, so an
// entry, or a session with all its steps, is either on disk whole or not at all.
class PracticeDatabase final : public PracticeStore {
public:
    // The layout this program writes; PRAGMA user_version holds the file's.
    static constexpr int kSchemaVersion = 3;

    enum class Status {
        Opened,
        // Written by a newer program: left as it is.
        TooNew,
        // Not a database, not ours, unreadable or failing its check: the file is the fault.
        Damaged,
        // The file may be sound, but it cannot be created or written (folder, disk, lock).
        Unavailable,
    };

    struct Opening {
        std::unique_ptr<PracticeDatabase> database;
        Status status = Status::Unavailable;
        // Why it did not open, for the user.
        QString reason;
    };

    // Opens the file, creating it or bringing an older layout up to date.
    static Opening open(const QString& path);

    ~PracticeDatabase() override;
    Q_DISABLE_COPY_MOVE(PracticeDatabase)

    QString path() const { return m_path; }

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
    PracticeDatabase(QString connection, QString path);

    QSqlDatabase db() const;
    bool fail(const QString& why) const;
    std::optional<qint64> sessionId(const QString& name) const;
    bool writeSession(const Session& session, std::optional<qint64> replacing);

    QString m_connection;
    QString m_path;
    mutable QString m_error;
};

} // namespace tarvo::practice
