#pragma once

#include <QString>

namespace tarvo::test {

// What poppler's tools read back from a PDF file; page 0 means every page.
QString pdfText(const QString& path, int page = 0);
int pdfPageCount(const QString& path);
// "A4" or "letter" as pdfinfo names the first page's paper; empty if unknown.
QString pdfPaper(const QString& path);
// The raster images the file holds (pdfimages -list), -1 if it cannot be read.
int pdfImageCount(const QString& path);

} // namespace tarvo::test
