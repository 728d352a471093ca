#pragma once

#include <QString>

namespace tarvo {

// The program's per-user data folder: "<organization>/<application>" in $XDG_DATA_HOME, or in
// ~/.local/share when that is unset or not an absolute path.
QString programDataFolder();

// Drops a relative $XDG_CONFIG_HOME, $XDG_CACHE_HOME, $XDG_DATA_HOME or $XDG_STATE_HOME, which
// the base-directory rules say to ignore, so the settings and the cache, like the journal, are
// one wherever the program is started. Call before anything asks for those folders.
void ignoreRelativeBaseFolders();

} // namespace tarvo
