#pragma once

#include <QList>
#include <QRectF>
#include <QString>

namespace tarvo::test {

// What poppler's tools read back from a PDF file; page 0 means every page.
QString pdfText(const QString& path, int page = 0);
int pdfPageCount(const QString& path);
// "A4" or "letter" as pdfinfo names the first page's paper; empty if unknown.
QString pdfPaper(const QString& path);
// The raster images the file holds (pdfimages -list), -1 if it cannot be read.
int pdfImageCount(const QString& path);

// A word of the text a PDF draws, clipped or not: its page (from 1) and its box in points from
// the page's top left corner.
struct PdfWord {
    int page = 0;
    QString text;
    QRectF box;
};
// Every word of the file in the order it is drawn, page by page; empty if it cannot be read.
QList<PdfWord> pdfWords(const QString& path);

} // namespace tarvo::test
