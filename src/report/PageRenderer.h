#pragma once

#include <QPageSize>
#include <QString>

class QLocale;
class QPageLayout;
class QPagedPaintDevice;

namespace tarvo {

struct PrintablePage;

// Lays the page out on the device's paper and paints it there page by page, each with a
// header (the program name and the title) and a footer ("page N of M"). The same code serves
// the printer and the PDF writer. False when the device cannot be painted on.
bool renderPages(const PrintablePage& page, QPagedPaintDevice& device);

// Writes the page as a PDF file in the given page layout. The file is written aside and only
// then put in place, so a failed write leaves what was there before; reason says why it failed.
bool writePdf(const PrintablePage& page, const QString& path, const QPageLayout& layout,
              QString* reason);

// The paper of the region when no printer says otherwise: Letter where the US units are used.
QPageSize::PageSizeId regionalPageSize(const QLocale& locale);

} // namespace tarvo
