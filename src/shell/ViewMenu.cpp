#include "shell/ViewMenu.h"

#include "platform/ReadingZoom.h"
#include "platform/ZoomSteps.h"

#include <QMenuBar>

namespace tarvo {

void addViewMenu(QMenuBar& bar, ReadingZoom& zoom)
{
    QMenu* view = bar.addMenu(QStringLiteral("&View"));
    view->setObjectName(QStringLiteral("mnuView"));
    const auto item = [view, &zoom](const QString& name, const QString& text,
                                    const QList<QKeySequence>& keys,
                                    void (ReadingZoom::*change)()) {
        QAction* action = view->addAction(text);
        action->setObjectName(name);
        action->setShortcuts(keys);
        QObject::connect(action, &QAction::triggered, &zoom, change);
        return action;
    };
    // Ctrl+= as well, for keyboards where "+" needs Shift.
    QAction* in = item(QStringLiteral("mnuZoomIn"), QStringLiteral("Zoom &In"),
                       {QKeySequence(QKeySequence::ZoomIn), QKeySequence(Qt::CTRL | Qt::Key_Equal)},
                       &ReadingZoom::zoomIn);
    QAction* out = item(QStringLiteral("mnuZoomOut"), QStringLiteral("Zoom &Out"),
                        {QKeySequence(QKeySequence::ZoomOut)}, &ReadingZoom::zoomOut);
    QAction* actual = item(QStringLiteral("mnuActualSize"), QStringLiteral("&Actual Size"),
                           {QKeySequence(Qt::CTRL | Qt::Key_0)}, &ReadingZoom::resetZoom);
    const auto enable = [in, out, actual, &zoom] {
        in->setEnabled(zoom.canZoomIn());
        out->setEnabled(zoom.canZoomOut());
        actual->setEnabled(zoom.percent() != kActualSize);
    };
    enable();
    QObject::connect(&zoom, &ReadingZoom::percentChanged, view, enable);
}

} // namespace tarvo
