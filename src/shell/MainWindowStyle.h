#pragma once

#include <QString>

class QWidget;

namespace tarvo {

// The main window's look: calm greens for the strips, blue links, a larger welcome heading.
QString mainWindowStyleSheet();

// Styles one part of the main window's chrome. The sheet is never set on the main window
// itself: every widget of a work-area window would then be styled again as it is moved into
// the area, which took more than half the time a Zodiac result needs to appear.
void styleChrome(QWidget* part);

} // namespace tarvo
