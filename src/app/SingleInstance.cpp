#include "app/SingleInstance.h"

#include <QDir>
#include <QFileInfo>
#include <QStandardPaths>
#include <cerrno>
#include <cstring>

namespace tarvo {

namespace {

// QLockFile tells only that it failed; the folder and the path tell why.
QString reasonFor(const QString& path)
{
    const QFileInfo lock(path);
    const QFileInfo folder(lock.absolutePath());
    int error = 0;
    if (!folder.isDir())
        error = ENOENT;
    else if (lock.isDir())
        error = EISDIR;
    else if (!folder.isWritable() || (lock.exists() && !lock.isWritable()))
        error = EACCES;
    return error ? QString::fromLocal8Bit(std::strerror(error))
                 : QStringLiteral("The lock file could not be created.");
}

} // namespace

SingleInstance::SingleInstance()
    : m_lock(lockPath())
{
    // Only a dead owner makes the lock stale; a long-running first instance keeps it.
    m_lock.setStaleLockTime(0);
}

SingleInstance::Outcome SingleInstance::acquire()
{
    if (m_lock.tryLock(0))
        return Outcome::Acquired;
    // A lock whose owner can be named is another instance's; anything else in the way is not.
    qint64 owner = 0;
    if (m_lock.error() == QLockFile::LockFailedError
        && m_lock.getLockInfo(&owner, nullptr, nullptr))
        return Outcome::HeldByAnother;
    m_failureReason = reasonFor(m_lock.fileName());
    return Outcome::Failed;
}

QString SingleInstance::lockPath()
{
    QString folder = QStandardPaths::writableLocation(QStandardPaths::RuntimeLocation);
    if (folder.isEmpty())
        folder = QDir::tempPath();
    return QDir(folder).filePath(QStringLiteral("tarvo-yoga.lock"));
}

} // namespace tarvo
