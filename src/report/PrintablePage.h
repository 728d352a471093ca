#pragma once

#include "report/RichReport.h"

#include <QSizeF>
#include <QString>
#include <functional>
#include <optional>

class QPainter;
class QRectF;

namespace tarvo {

enum class PicturePlacement {
    Beside, // at the left of the text's first lines, the text running beside and then below it
    Above,  // centred above the text
};

// A picture drawn straight into the page's painter, so it prints as lines and fills at any
// resolution. The painter is scaled so that one unit is a screen pixel at 96 dpi: fonts set in
// pixels come out as on screen.
struct PagePicture {
    QSizeF size;
    PicturePlacement placement = PicturePlacement::Beside;
    std::function<void(QPainter&, const QRectF&)> paint;
};

// What a view puts on paper: its title for the page header, its text and an optional picture.
struct PrintablePage {
    QString title;
    RichReport text;
    std::optional<PagePicture> picture;
};

// The name a saved page suggests: the title without characters a file name cannot hold.
QString pdfFileName(const QString& title);

} // namespace tarvo
