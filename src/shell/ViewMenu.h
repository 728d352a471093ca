#pragma once

class QMenuBar;

namespace tarvo {

class ReadingZoom;

// "View": Zoom In, Zoom Out and Actual Size of the reading texts, each off where it would do
// nothing.
void addViewMenu(QMenuBar& bar, ReadingZoom& zoom);

} // namespace tarvo
