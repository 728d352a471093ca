#pragma once

class QWidget;

namespace tarvo {

class Desktop;
struct PrintablePage;

// The printer dialog, then the page on the chosen printer; nothing when the dialog is cancelled.
void printPage(Desktop& desktop, QWidget* parent, const PrintablePage& page);

// Asks where to save (the title as the suggested name) and writes the page there as PDF on
// the default printer's paper. A failed write is reported and leaves an existing file whole.
// True when the file was written.
bool exportPageAsPdf(Desktop& desktop, QWidget* parent, const PrintablePage& page);

} // namespace tarvo
