#pragma once

#include "practice/PracticeFileJudge.h"
#include "practice/PracticeStore.h"

#include <QVariant>
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
        // Not a database, not ours, or failing its check: the file is the fault.
        Damaged,
        // A sound journal beside a write-ahead log of another database: the log is the fault.
        ForeignLog,
        // The file may well be sound, and is left as it is; it cannot be used this time because
        // another program has it open, the disk is full, the folder or the file cannot be
        // written, or the file cannot be read.
        InUse,
        DiskFull,
        FolderReadOnly,
        FileReadOnly,
        Unreadable,
        // Anything else that stopped it being opened or written; details say what.
        Unavailable,
    };

    struct Opening {
        std::unique_ptr<PracticeDatabase> database;
        Status status = Status::Unavailable;
        // Why it is damaged or too new, in a few words for the user.
        QString reason = {};
        // SQLite's own words, however long.
        QString details = {};
    };

    // Judges the file without writing to it, then opens it, creating it or bringing an older
    // layout up to date. Only an opened file is written.
    static Opening open(const QString& path, CheckDepth depth = CheckDepth::WholeFile);

    ~PracticeDatabase() override;
    Q_DISABLE_COPY_MOVE(PracticeDatabase)

    QString path() const { return m_path; }

    QString error() const override { return m_error; }

    bool addEntry(JournalEntry& entry) override;
    bool setNote(qint64 id, const QString& note) override;
    QList<JournalEntry> entries() const override;
    int entryCount() const override;
    QList<JournalEntry> entryPage(int offset, int count) const override;
    QList<WeekMinutes> weeklyMinutes(const QDate& today, int weeks) const override;
    int streak(const QDate& today) const override;

    QStringList sessionNames() const override;
    std::optional<Session> session(const QString& name) const override;
    bool saveSession(const Session& session) override;
    bool renameSession(const QString& from, const QString& to) override;
    bool duplicateSession(const QString& from, const QString& to) override;
    bool removeSession(const QString& name) override;

private:
    PracticeDatabase(QString connection, QString path);

    static Opening openForWriting(const QString& path);

    QSqlDatabase db() const;
    QList<JournalEntry> selectEntries(const QString& sql, const QVariantList& values) const;
    bool fail(const QString& why) const;
    std::optional<qint64> sessionId(const QString& name) const;
    bool writeSession(const Session& session, std::optional<qint64> replacing);

    QString m_connection;
    QString m_path;
    // The journal's own number, written into the file's header by every write, so that a log
    // left beside another journal's file is known not to be that journal's.
    qint32 m_identity = 0;
    mutable QString m_error;
};

} // namespace tarvo::practice
