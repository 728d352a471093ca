#include "report/PageRenderer.h"

#include "platform/AppInfo.h"
#include "report/PageBreaks.h"
#include "report/PrintablePage.h"
#include "report/RichTextRenderer.h"

#include <QAbstractTextDocumentLayout>
#include <QFontMetricsF>
#include <QLocale>
#include <QPageLayout>
#include <QPainter>
#include <QPdfWriter>
#include <QSaveFile>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>
#include <QTextFrame>
#include <QTextLayout>
#include <algorithm>

namespace tarvo {

namespace {

constexpr double kMarginMm = 15;
constexpr double kScreenDpi = 96;
// The widest share of the text width a picture beside the text may take.
constexpr double kBesideShare = 0.45;
// Device pixels two neighbours may share on paper through rounding without either reaching
// into the other's page.
constexpr double kRounding = 0.5;

// Device pixels per point, per screen pixel and per millimetre follow from the resolution.
struct Scale {
    double dpi;
    double fromScreen() const { return dpi / kScreenDpi; }
    double fromMm(double mm) const { return mm * dpi / 25.4; }
};

QFont pageFont(double points)
{
    QFont font(QStringLiteral("Verdana"));
    font.setPointSizeF(points);
    return font;
}

// Printers often default to their hardware margins; text needs more room than that.
void ensureMargins(QPagedPaintDevice& device)
{
    const QMarginsF m = device.pageLayout().margins(QPageLayout::Millimeter);
    device.setPageMargins(QMarginsF(std::max(m.left(), kMarginMm), std::max(m.top(), kMarginMm),
                                    std::max(m.right(), kMarginMm),
                                    std::max(m.bottom(), kMarginMm)),
                          QPageLayout::Millimeter);
}

struct PictureFrame {
    QTextFrame* frame = nullptr;
    double gap = 0; // device pixels to the text beside or below
};

// A frame of the picture's size (and the gap after it) that the text flows around; the
// picture is painted into its place once the text is laid out.
PictureFrame insertPictureFrame(QTextDocument& document, const PagePicture& picture,
                                double textWidth, const Scale& scale)
{
    QSizeF drawn = picture.size * scale.fromScreen();
    const double widest =
        picture.placement == PicturePlacement::Beside ? textWidth * kBesideShare : textWidth;
    if (drawn.width() > widest)
        drawn *= widest / drawn.width();
    const double gap = scale.fromMm(4);

    QTextFrameFormat format;
    format.setBorder(0);
    format.setPadding(0);
    format.setMargin(0);
    // The layout scales a fixed width from screen pixels to the device, but not a height.
    format.setHeight(drawn.height() + gap);
    if (picture.placement == PicturePlacement::Beside) {
        format.setPosition(QTextFrameFormat::FloatLeft);
        format.setWidth((drawn.width() + gap) / scale.fromScreen());
    } else {
        format.setPosition(QTextFrameFormat::InFlow);
        format.setWidth(QTextLength(QTextLength::PercentageLength, 100));
    }
    QTextCursor cursor(&document);
    cursor.movePosition(QTextCursor::Start);
    QTextFrame* frame = cursor.insertFrame(format);
    // A frame at the very start leaves an empty line above it; it takes no height.
    QTextCursor first(&document);
    first.movePosition(QTextCursor::Start);
    QTextBlockFormat collapsed = first.blockFormat();
    collapsed.setLineHeight(0, QTextBlockFormat::FixedHeight);
    first.setBlockFormat(collapsed);
    return {frame, gap};
}

// The picture as large as its frame allows without the gap, in its own proportions.
void paintPicture(QPainter& painter, const PagePicture& picture, const QRectF& frameRect,
                  double gap)
{
    const QSizeF room = frameRect.size() - QSizeF(gap, gap);
    const QSizeF drawn = picture.size.scaled(room, Qt::KeepAspectRatio);
    if (drawn.isEmpty())
        return;
    double left = frameRect.left();
    if (picture.placement == PicturePlacement::Above)
        left += (frameRect.width() - drawn.width()) / 2;
    painter.save();
    painter.translate(left, frameRect.top());
    painter.scale(drawn.width() / picture.size.width(), drawn.height() / picture.size.height());
    picture.paint(painter, QRectF(QPointF(0, 0), picture.size));
    painter.restore();
}

bool onPage(double itemTop, double itemBottom, double pageTop, double pageBottom)
{
    return itemBottom > pageTop + kRounding && itemTop < pageBottom - kRounding;
}

// The lines of the text on the page, each drawn whole and only there; a line taller than a page
// is the one drawn on two. Pages meet at a line boundary, and the document layout would also
// draw the lines either side of its clip: a PDF keeps clipped text, which a search or a copy of
// the file then finds twice.
void drawPageLines(QPainter& painter, const QTextDocument& document, double top, double bottom)
{
    const QAbstractTextDocumentLayout& layout = *document.documentLayout();
    for (QTextBlock block = document.begin(); block.isValid(); block = block.next()) {
        // The picture's frame holds only an empty block; the picture is painted on its own.
        if (document.frameAt(block.position()) != document.rootFrame())
            continue;
        const QPointF origin = layout.blockBoundingRect(block).topLeft();
        const QTextLayout* text = block.layout();
        for (int i = 0; i < text->lineCount(); ++i) {
            const QTextLine line = text->lineAt(i);
            const double lineTop = origin.y() + line.y();
            if (onPage(lineTop, lineTop + line.height(), top, bottom))
                line.draw(&painter, origin);
        }
    }
}

struct Bands {
    QRectF header;
    QRectF body;
    QRectF footer;
};

Bands pageBands(const QPagedPaintDevice& device, const QFontMetricsF& small)
{
    const QRectF area(0, 0, device.width(), device.height());
    const double band = small.height() * 2.2;
    return {QRectF(area.left(), area.top(), area.width(), small.height()),
            area.adjusted(0, band, 0, -band),
            QRectF(area.left(), area.bottom() - small.height(), area.width(), small.height())};
}

void paintHeaderAndFooter(QPainter& painter, const Bands& bands, const QString& title, int number,
                          int count, const QFont& font)
{
    painter.save();
    painter.setFont(font);
    painter.setPen(Qt::black);
    const QFontMetricsF metrics(font, painter.device());
    const double nameWidth = metrics.horizontalAdvance(kAppTitle);
    painter.drawText(bands.header, Qt::AlignLeft | Qt::AlignVCenter, kAppTitle);
    const QRectF titleRect = bands.header.adjusted(nameWidth + metrics.height() * 2, 0, 0, 0);
    painter.drawText(titleRect, Qt::AlignRight | Qt::AlignVCenter,
                     metrics.elidedText(title, Qt::ElideRight, titleRect.width()));
    const double ruleY = bands.header.bottom() + metrics.height() * 0.4;
    painter.setPen(QPen(Qt::gray, metrics.height() / 16));
    painter.drawLine(QPointF(bands.header.left(), ruleY), QPointF(bands.header.right(), ruleY));
    painter.setPen(Qt::black);
    painter.drawText(bands.footer, Qt::AlignHCenter | Qt::AlignVCenter,
                     QStringLiteral("page %1 of %2").arg(number).arg(count));
    painter.restore();
}

} // namespace

bool renderPages(const PrintablePage& page, QPagedPaintDevice& device)
{
    ensureMargins(device);
    const Scale scale{double(device.logicalDpiY())};
    const QFont small = pageFont(8);
    const Bands bands = pageBands(device, QFontMetricsF(small, &device));
    if (bands.body.height() <= 0 || bands.body.width() <= 0)
        return false;

    QTextDocument document;
    document.documentLayout()->setPaintDevice(&device);
    document.setDefaultFont(pageFont(9));
    document.setDocumentMargin(0);
    renderRichReport(page.text, document, false);
    PictureFrame picture;
    if (page.picture && page.picture->paint && !page.picture->size.isEmpty())
        picture = insertPictureFrame(document, *page.picture, bands.body.width(), scale);
    document.setTextWidth(bands.body.width());

    const QList<double> starts = pageStarts(flowLines(document), bands.body.height());
    const double end = document.size().height();
    const QRectF pictureRect =
        picture.frame ? document.documentLayout()->frameBoundingRect(picture.frame) : QRectF();

    QPainter painter;
    if (!painter.begin(&device))
        return false;
    for (qsizetype k = 0; k < starts.size(); ++k) {
        if (k > 0 && !device.newPage())
            return false;
        const double top = starts[k];
        const double bottom =
            std::min(k + 1 < starts.size() ? starts[k + 1] : end, top + bands.body.height());
        const QRectF shown(0, top, bands.body.width(), bottom - top);
        painter.save();
        painter.translate(bands.body.left(), bands.body.top() - top);
        painter.setClipRect(shown);
        painter.setPen(Qt::black);
        drawPageLines(painter, document, top, bottom);
        if (picture.frame && onPage(pictureRect.top(), pictureRect.bottom(), top, bottom))
            paintPicture(painter, *page.picture, pictureRect, picture.gap);
        painter.restore();
        paintHeaderAndFooter(painter, bands, page.title, int(k + 1), int(starts.size()), small);
    }
    return painter.end();
}

bool writePdf(const PrintablePage& page, const QString& path, const QPageLayout& layout,
              QString* reason)
{
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly)) {
        *reason = file.errorString();
        return false;
    }
    bool painted = false;
    {
        QPdfWriter writer(&file);
        writer.setPageLayout(layout);
        writer.setTitle(page.title);
        writer.setCreator(kAppTitle);
        painted = renderPages(page, writer);
    }
    if (!painted) {
        *reason = QStringLiteral("The page could not be laid out on this paper.");
        return false;
    }
    if (!file.commit()) {
        *reason = file.errorString();
        return false;
    }
    return true;
}

QPageSize::PageSizeId regionalPageSize(const QLocale& locale)
{
    return locale.measurementSystem() == QLocale::ImperialUSSystem ? QPageSize::Letter
                                                                   : QPageSize::A4;
}

} // namespace tarvo
