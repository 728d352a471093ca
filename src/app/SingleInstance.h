#pragma once

#include <QLockFile>
#include <QString>

namespace tarvo {

// A per-user lock in the runtime folder: held while the program runs, and taken over when the
// process that left it is gone.
class SingleInstance final {
public:
    enum class Outcome { Acquired, HeldByAnother, Failed };

    SingleInstance();
    Outcome acquire();
    // Why the lock could not be taken, when acquire() failed for a reason other than another
    // instance.
    QString failureReason() const { return m_failureReason; }

    static QString lockPath();

    // How long a lock file may stay without its owner's name before it counts as left over.
    static constexpr int kOwnerWriteGrace = 1000;

private:
    QLockFile m_lock;
    QString m_failureReason;
};

} // namespace tarvo
