#pragma once

class QWidget;

namespace tarvo {

class ReadingZoom;

// Makes text a reading text: shown at the zoom from now on, and following every change of it
// for as long as it lives. A ZoomableText sizes its own text; any other widget (a label, a text
// box, a list) gets its present font scaled. Without a zoom (a window on its own) nothing changes.
void followReadingZoom(QWidget& text, const ReadingZoom* zoom);

// Every label, text box and list inside page, but not its buttons, group titles or tabs.
void followReadingZoomInside(QWidget& page, const ReadingZoom* zoom);

} // namespace tarvo
