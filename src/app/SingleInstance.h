#pragma once

#include <QLockFile>

namespace tarvo {

// A per-user lock in the runtime folder: held while the program runs, and taken over when the
// process that left it is gone.
class SingleInstance final {
public:
    SingleInstance();
    bool acquire();

    static QString lockPath();

private:
    QLockFile m_lock;
};

} // namespace tarvo
