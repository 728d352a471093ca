#pragma once

#include <QColor>

namespace tarvo {

// The classic 16-colour palette by index (0 black, 1 blue, 2 green, ... 15 bright white).
QColor paletteColour(int index);

} // namespace tarvo
