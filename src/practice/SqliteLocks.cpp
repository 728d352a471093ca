#include "practice/SqliteLocks.h"

#include <QFile>
#include <fcntl.h>
#include <unistd.h>

namespace tarvo::practice {

bool openInAnotherProcess(const QString& path)
{
    // SQLite's lock bytes start 1 GiB into the file: the pending byte, the reserved byte and the
    // 510 bytes of the shared range.
    constexpr off_t kPendingByte = 0x40000000;
    constexpr off_t kLockBytes = 512;
    const int fd = ::open(QFile::encodeName(path).constData(), O_RDONLY | O_CLOEXEC);
    if (fd < 0)
        return false;
    struct flock lock = {};
    lock.l_type = F_WRLCK;
    lock.l_whence = SEEK_SET;
    lock.l_start = kPendingByte;
    lock.l_len = kLockBytes;
    const bool held = ::fcntl(fd, F_GETLK, &lock) == 0 && lock.l_type != F_UNLCK;
    ::close(fd);
    return held;
}

} // namespace tarvo::practice
