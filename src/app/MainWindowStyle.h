#pragma once

#include <QString>

namespace tarvo {

// The main window's look: calm greens for the strips, blue links, a larger welcome heading.
QString mainWindowStyleSheet();

} // namespace tarvo
