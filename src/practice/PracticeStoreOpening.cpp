#include "practice/PracticeStoreOpening.h"

#include "practice/MemoryPracticeStore.h"
#include "practice/PracticeDatabase.h"

#include <QDir>
#include <QFileInfo>

namespace tarvo::practice {

namespace {

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

// Moves the file and its companions to a free dated name; returns it, or an empty string.
QString moveAside(const QString& path, const QDateTime& now)
{
    const QString base = damagedName(path, now);
    QString target = base;
    for (int n = 2; anyExists(target); ++n)
        target = QStringLiteral("%1-%2").arg(base).arg(n);
    if (!QDir().rename(path, target))
        return {};
    for (const QString& suffix : kCompanions) {
        if (QFileInfo::exists(path + suffix) && !QDir().rename(path + suffix, target + suffix))
            return {};
    }
    return target;
}

PracticeStoreOpening inMemory(const QString& path, const QString& notice)
{
    PracticeStoreOpening opening;
    opening.store = std::make_unique<MemoryPracticeStore>();
    opening.outcome = PracticeStoreOpening::Outcome::InMemory;
    opening.databasePath = path;
    opening.notice = notice
                     + QStringLiteral("\n\nUntil this is mended, practice is recorded only "
                                      "until Tarvo Yoga closes.");
    return opening;
}

QString native(const QString& path)
{
    return QDir::toNativeSeparators(path);
}

} // namespace

QString damagedName(const QString& path, const QDateTime& now)
{
    return path + QStringLiteral(".damaged-") + now.toString(QStringLiteral("yyyy-MM-dd-HHmmss"));
}

PracticeStoreOpening openPracticeStore(const QString& folder, const QDateTime& now)
{
    const QString path = QDir(folder).filePath(QStringLiteral("practice.sqlite"));
    if (!QDir().mkpath(folder))
        return inMemory(path, QStringLiteral("Tarvo Yoga could not make the folder for its "
                                             "practice journal:\n%1")
                                  .arg(native(folder)));

    PracticeDatabase::Opening opened = PracticeDatabase::open(path);
    QString movedTo;
    QString damage;
    switch (opened.status) {
    case PracticeDatabase::Status::Opened:
        break;
    case PracticeDatabase::Status::TooNew:
        return inMemory(path, QStringLiteral("The practice journal\n%1\nwas written by a newer "
                                             "version of Tarvo Yoga (%2), so this version leaves "
                                             "it untouched.")
                                  .arg(native(path), opened.reason));
    case PracticeDatabase::Status::Unavailable:
        return inMemory(path, QStringLiteral("Tarvo Yoga could not open or write its practice "
                                             "journal\n%1\n(%2).")
                                  .arg(native(path), opened.reason));
    case PracticeDatabase::Status::Damaged:
        damage = opened.reason;
        movedTo = moveAside(path, now);
        if (movedTo.isEmpty())
            return inMemory(path, QStringLiteral("The practice journal\n%1\nis damaged (%2), and "
                                                 "Tarvo Yoga could not move it aside to start a "
                                                 "new one.")
                                      .arg(native(path), opened.reason));
        opened = PracticeDatabase::open(path);
        if (opened.status != PracticeDatabase::Status::Opened)
            return inMemory(path, QStringLiteral("The practice journal was damaged (%1) and has "
                                                 "been moved aside, unchanged, to\n%2\nbut a new "
                                                 "journal could not be started (%3).")
                                      .arg(damage, native(movedTo), opened.reason));
        break;
    }

    PracticeStoreOpening opening;
    opening.store = std::move(opened.database);
    opening.databasePath = path;
    if (movedTo.isEmpty()) {
        opening.outcome = PracticeStoreOpening::Outcome::Opened;
        return opening;
    }
    opening.outcome = PracticeStoreOpening::Outcome::MovedAside;
    opening.movedTo = movedTo;
    opening.notice = QStringLiteral("The practice journal could not be read (%1), so a new one "
                                    "has been started. The old file is kept, unchanged, as\n%2")
                         .arg(damage, native(movedTo));
    return opening;
}

} // namespace tarvo::practice
