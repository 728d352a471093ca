#pragma once

#include <QString>

namespace tarvo {

// The program's per-user data folder: "<organization>/<application>" in $XDG_DATA_HOME, or in
// ~/.local/share when that is unset or not an absolute path.
QString programDataFolder();

} // namespace tarvo
