#include "content/Timing.h"

#include "report/RichTextBox.h"

#include <QAbstractTextDocumentLayout>
#include <QElapsedTimer>
#include <QImage>

namespace tarvo::bench {

double timeMs(const std::function<void()>& work)
{
    QElapsedTimer timer;
    timer.start();
    work();
    return double(timer.nsecsElapsed()) / 1e6;
}

QList<double> warmTimesMs(const std::function<void()>& work, int runs)
{
    work();
    QList<double> times;
    for (int i = 0; i < runs; ++i)
        times.append(timeMs(work));
    return times;
}

void layOutAndPaint(RichTextBox& box)
{
    // documentSize() finishes the layout Qt would otherwise spread over later event-loop turns.
    box.document()->documentLayout()->documentSize();
    QWidget* page = box.viewport();
    QImage image(page->size() * page->devicePixelRatio(), QImage::Format_ARGB32_Premultiplied);
    image.setDevicePixelRatio(page->devicePixelRatio());
    page->render(&image);
}

} // namespace tarvo::bench
