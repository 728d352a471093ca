#include "platform/ReadingText.h"

#include "platform/ReadingZoom.h"
#include "platform/ZoomSteps.h"
#include "platform/ZoomableText.h"

#include <QAbstractItemView>
#include <QLabel>
#include <QPlainTextEdit>
#include <QTextEdit>

namespace tarvo {

namespace {

QFont scaledFont(const QFont& base, int percent)
{
    QFont font = base;
    if (base.pointSizeF() > 0)
        font.setPointSizeF(scaledFontSize(base.pointSizeF(), percent));
    else if (base.pixelSize() > 0)
        font.setPixelSize(qRound(scaledFontSize(base.pixelSize(), percent)));
    return font;
}

bool isReadingText(const QWidget* widget)
{
    return qobject_cast<const QLabel*>(widget) || qobject_cast<const QPlainTextEdit*>(widget)
           || qobject_cast<const QTextEdit*>(widget)
           || qobject_cast<const QAbstractItemView*>(widget);
}

} // namespace

void followReadingZoom(QWidget& text, const ReadingZoom* zoom)
{
    if (!zoom)
        return;
    if (auto* zoomable = dynamic_cast<ZoomableText*>(&text)) {
        zoomable->setZoomPercent(zoom->percent());
        QObject::connect(zoom, &ReadingZoom::percentChanged, &text,
                         [zoomable](int percent) { zoomable->setZoomPercent(percent); });
        return;
    }
    // Scaled from the font the text had when it joined, so steps never accumulate rounding.
    const QFont base = text.font();
    const auto apply = [&text, base](int percent) {
        text.setFont(percent == kActualSize ? base : scaledFont(base, percent));
    };
    if (zoom->percent() != kActualSize)
        apply(zoom->percent());
    QObject::connect(zoom, &ReadingZoom::percentChanged, &text, apply);
}

void followReadingZoomInside(QWidget& page, const ReadingZoom* zoom)
{
    if (!zoom)
        return;
    const QList<QWidget*> widgets = page.findChildren<QWidget*>();
    for (QWidget* widget : widgets) {
        if (isReadingText(widget))
            followReadingZoom(*widget, zoom);
    }
}

} // namespace tarvo
