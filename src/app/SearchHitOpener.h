#pragma once

#include "shell/Location.h"

class QWidget;

namespace tarvo {

class MainWindow;

// Opens a sign's page of a reading without a name in Zodiac Yoga, and a chakra's text or asana
// record in Chakra Yoga, switching program as a user would; the page shown, or nullptr.
QWidget* openZodiacPage(MainWindow& window, const ZodiacLocation& location);
QWidget* openChakraPage(MainWindow& window, const Location& location);

} // namespace tarvo
