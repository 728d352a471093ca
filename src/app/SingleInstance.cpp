#include "app/SingleInstance.h"

#include <QDir>
#include <QStandardPaths>

namespace tarvo {

SingleInstance::SingleInstance()
    : m_lock(lockPath())
{
    // Only a dead owner makes the lock stale; a long-running first instance keeps it.
    m_lock.setStaleLockTime(0);
}

bool SingleInstance::acquire()
{
    return m_lock.tryLock(0);
}

QString SingleInstance::lockPath()
{
    QString folder = QStandardPaths::writableLocation(QStandardPaths::RuntimeLocation);
    if (folder.isEmpty())
        folder = QDir::tempPath();
    return QDir(folder).filePath(QStringLiteral("tarvo-yoga.lock"));
}

} // namespace tarvo
