#pragma once

#include <QString>

namespace tarvo::practice {

// Whether another process has the SQLite database at path open: a connection holds SQLite's
// lock bytes while it reads or writes and, in WAL mode, for as long as it is open. Locks of this
// process are not seen, and closing a file drops them, so call it before the program's own
// connection exists.
bool openInAnotherProcess(const QString& path);

} // namespace tarvo::practice
