#include "app/SingleInstance.h"

#include <QDeadlineTimer>
#include <QDir>
#include <QFileInfo>
#include <QStandardPaths>
#include <QThread>
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
    // The owner creates its lock file first and writes its name a moment later; a start racing
    // another one can see the file still empty. Give the writer that moment, and only a file that
    // stays nameless is debris of a start killed in between, which is cleared.
    QDeadlineTimer ownerWrites(kOwnerWriteGrace);
    bool debrisCleared = false;
    for (;;) {
        if (m_lock.tryLock(0))
            return Outcome::Acquired;
        if (m_lock.error() != QLockFile::LockFailedError)
            break;
        qint64 owner = 0;
        if (m_lock.getLockInfo(&owner, nullptr, nullptr))
            return Outcome::HeldByAnother;
        if (!ownerWrites.hasExpired()) {
            QThread::msleep(10);
            continue;
        }
        if (debrisCleared || !m_lock.removeStaleLockFile())
            break;
        debrisCleared = true;
    }
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
