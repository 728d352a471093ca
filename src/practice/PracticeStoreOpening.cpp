#include "practice/PracticeStoreOpening.h"

#include "practice/MemoryPracticeStore.h"
#include "practice/PracticeDatabase.h"

#include <QDir>
#include <QFileInfo>

namespace tarvo::practice {

namespace {

using Status = PracticeDatabase::Status;

// SQLite's companions of a database file, which belong with it wherever it goes.
const QStringList kCompanions = {QStringLiteral("-wal"), QStringLiteral("-shm"),
                                 QStringLiteral("-journal")};

bool anyExists(const QString& path)
{
    if (QFileInfo::exists(path))
        return true;
    for (const QString& suffix : kCompanions) {
        if (QFileInfo::exists(path + suffix))
            return true;
    }
    return false;
}

enum class Moving { FileAndCompanions, CompanionsOnly };

// Moves the file's companions, and the file unless only they go, to a free name made from base;
// returns it, or an empty string with everything back where it was.
QString moveAside(const QString& path, const QString& base, Moving what)
{
    QString target = base;
    for (int n = 2; anyExists(target); ++n)
        target = QStringLiteral("%1-%2").arg(base).arg(n);
    QStringList moved;
    const auto undo = [&] {
        for (const QString& name : std::as_const(moved))
            QDir().rename(target + name, path + name);
        return QString();
    };
    // The companions first: a file that went without its log would lose the log to SQLite, which
    // drops a log it finds beside no file.
    for (const QString& suffix : kCompanions) {
        if (!QFileInfo::exists(path + suffix))
            continue;
        if (!QDir().rename(path + suffix, target + suffix))
            return undo();
        moved.append(suffix);
    }
    if (what == Moving::FileAndCompanions && !QDir().rename(path, target))
        return undo();
    return target;
}

// "practice.sqlite.damaged-2026-12-09-103000": what happened, and when.
QString datedName(const QString& path, const QString& what, const QDateTime& now)
{
    return QStringLiteral("%1.%2-%3")
        .arg(path, what, now.toString(QStringLiteral("yyyy-MM-dd-HHmmss")));
}

QString native(const QString& path)
{
    return QDir::toNativeSeparators(path);
}

PracticeStoreOpening inMemory(const QString& path, const QString& notice,
                              const QString& details = {})
{
    PracticeStoreOpening opening;
    opening.store = std::make_unique<MemoryPracticeStore>();
    opening.outcome = PracticeStoreOpening::Outcome::InMemory;
    opening.databasePath = path;
    opening.notice = notice + QStringLiteral("\n\nPractice is kept until you close Tarvo Yoga.");
    opening.details = details;
    return opening;
}

// Why a sound file cannot be used this time, completing "can't be used because …".
QString obstacleText(Status status)
{
    switch (status) {
    case Status::InUse:
        return QStringLiteral("it is in use by another program");
    case Status::DiskFull:
        return QStringLiteral("the disk is full");
    case Status::FolderReadOnly:
        return QStringLiteral("the folder can't be written");
    case Status::FileReadOnly:
        return QStringLiteral("the file is read-only");
    case Status::Unreadable:
        return QStringLiteral("the file can't be read");
    default:
        return QStringLiteral("Tarvo Yoga could not open it");
    }
}

// Starts a journal from what opening the file gave: moves a damaged one aside and opens a new one,
// or keeps practice in memory when the file cannot be used.
PracticeStoreOpening useOpened(const QString& path, const QDateTime& now,
                               PracticeDatabase::Opening opened)
{
    QString movedTo;
    QString damage;
    QString details;
    switch (opened.status) {
    case Status::Opened:
        break;
    case Status::TooNew:
        return inMemory(path, QStringLiteral("The practice journal\n%1\nwas written by a newer "
                                             "version of Tarvo Yoga (%2), so this version leaves "
                                             "it untouched.")
                                  .arg(native(path), opened.reason));
    case Status::Damaged:
        damage = opened.reason;
        details = opened.details;
        movedTo = moveAside(path, damagedName(path, now), Moving::FileAndCompanions);
        if (movedTo.isEmpty())
            return inMemory(path,
                            QStringLiteral("The practice journal\n%1\nis damaged (%2), and Tarvo "
                                           "Yoga could not move it aside to start a new one.")
                                .arg(native(path), damage),
                            details);
        opened = PracticeDatabase::open(path);
        if (opened.status != Status::Opened)
            return inMemory(path,
                            QStringLiteral("The practice journal was damaged (%1) and has been "
                                           "moved aside, unchanged, to\n%2\nbut a new journal "
                                           "can't be started because %3.")
                                .arg(damage, native(movedTo), obstacleText(opened.status)),
                            opened.details);
        break;
    default:
        return inMemory(path,
                        QStringLiteral("The practice journal\n%1\ncan't be used because %2.")
                            .arg(native(path), obstacleText(opened.status)),
                        opened.details);
    }

    PracticeStoreOpening opening;
    opening.store = std::move(opened.database);
    opening.databasePath = path;
    opening.outcome = PracticeStoreOpening::Outcome::Opened;
    if (!movedTo.isEmpty()) {
        opening.outcome = PracticeStoreOpening::Outcome::MovedAside;
        opening.movedTo = movedTo;
        opening.notice = QStringLiteral("The practice journal could not be read (%1), so a new one "
                                        "has been started. The old file is kept, unchanged, as\n%2")
                             .arg(damage, native(movedTo));
        opening.details = details;
    }
    return opening;
}

} // namespace

QString damagedName(const QString& path, const QDateTime& now)
{
    return datedName(path, QStringLiteral("damaged"), now);
}

PracticeStoreOpening openPracticeStore(const QString& folder, const QDateTime& now,
                                       CheckDepth depth)
{
    const QString path = QDir(folder).filePath(QStringLiteral("practice.sqlite"));
    if (!QDir().mkpath(folder))
        return inMemory(path, QStringLiteral("Tarvo Yoga could not make the folder for its "
                                             "practice journal:\n%1")
                                  .arg(native(folder)));

    PracticeDatabase::Opening opened = PracticeDatabase::open(path, depth);
    if (opened.status != Status::ForeignLog)
        return useOpened(path, now, std::move(opened));

    const QString logMovedTo = moveAside(path, datedName(path, QStringLiteral("foreign-log"), now),
                                         Moving::CompanionsOnly);
    if (logMovedTo.isEmpty())
        return inMemory(path,
                        QStringLiteral("The practice journal\n%1\nhas a log beside it "
                                       "that belongs to another database, and Tarvo Yoga could "
                                       "not set the log aside.")
                            .arg(native(path)),
                        opened.details);
    // A write-ahead log, or a rollback journal when that is all there was.
    const QString log = QFileInfo::exists(logMovedTo + QStringLiteral("-wal"))
                            ? QStringLiteral("-wal")
                            : QStringLiteral("-journal");
    const QString logNotice =
        QStringLiteral("The log found beside the practice journal belongs to another "
                       "database; it is kept, unchanged, as\n%1")
            .arg(native(logMovedTo + log));
    PracticeStoreOpening opening = useOpened(path, now, PracticeDatabase::open(path));
    if (opening.outcome == PracticeStoreOpening::Outcome::Opened) {
        opening.outcome = PracticeStoreOpening::Outcome::LogSetAside;
        opening.movedTo = logMovedTo;
        opening.notice = logNotice + QStringLiteral("\nThe journal was opened without it.");
    } else {
        opening.notice = logNotice + QStringLiteral("\n\n") + opening.notice;
    }
    return opening;
}

} // namespace tarvo::practice
