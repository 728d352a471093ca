#include "shell/WorkArea.h"

#include "platform/KeyboardActivation.h"

#include <QCloseEvent>
#include <QCoreApplication>
#include <QHBoxLayout>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QStackedLayout>
#include <QVBoxLayout>
#include <algorithm>

namespace tarvo {

namespace {

// A window's frame in the area. It hands Tab on to the main window, so the tab order runs from
// the program buttons through the window to the foot instead of looping inside the window.
class ChildFrame final : public QMdiSubWindow {
public:
    ChildFrame(WorkArea& area, Placement placement)
        : m_area(area)
        , m_placement(placement)
    {
        setAttribute(Qt::WA_DeleteOnClose);
    }

    Placement placement() const { return m_placement; }

protected:
    bool focusNextPrevChild(bool next) override { return m_area.moveFocus(next); }
    void closeEvent(QCloseEvent* event) override
    {
        QMdiSubWindow::closeEvent(event);
        if (event->isAccepted())
            m_area.frameClosed(this);
    }

private:
    WorkArea& m_area;
    Placement m_placement;
};

} // namespace

WorkArea::WorkArea(QWidget* welcome, QWidget* parent)
    : QWidget(parent)
    , m_welcome(welcome)
    , m_work(new QWidget)
    , m_body(new QStackedLayout(this))
    , m_column(new QVBoxLayout(m_work))
    , m_row(new QHBoxLayout)
    , m_mdi(new QMdiArea)
{
    m_work->setObjectName(QStringLiteral("work"));
    m_column->setContentsMargins(0, 0, 0, 0);
    m_column->setSpacing(0);
    m_row->setSpacing(0);
    m_mdi->setObjectName(QStringLiteral("mdiArea"));
    m_mdi->setBackground(QColor(0xee, 0xf2, 0xf0));
    m_mdi->viewport()->installEventFilter(this);
    connect(m_mdi, &QMdiArea::subWindowActivated, this, &WorkArea::activeWindowChanged);
    m_row->addWidget(m_mdi, 1);
    m_column->addLayout(m_row, 1);
    m_body->addWidget(m_welcome);
    m_body->addWidget(m_work);
}

WorkArea::~WorkArea() = default;

void WorkArea::open(QWidget* window, Placement placement)
{
    setWelcomeVisible(false);
    activateButtonsOnEnter(window);
    auto* frame = new ChildFrame(*this, placement);
    frame->setWidget(window);
    frame->setWindowIcon(this->window()->windowIcon());
    if (placement == Placement::Filling) {
        m_mdi->addSubWindow(frame, Qt::FramelessWindowHint);
        fitFillingWindows();
    } else {
        m_mdi->addSubWindow(frame);
        place(frame);
    }
    frame->show();
    // The window's controls go between the program buttons and the foot.
    keepFootLastInTabOrder(frame);
}

QList<QWidget*> WorkArea::windows() const
{
    QList<QWidget*> shown;
    const QList<QMdiSubWindow*> frames = m_mdi->subWindowList();
    for (const QMdiSubWindow* frame : frames) {
        if (frame->widget())
            shown.append(frame->widget());
    }
    return shown;
}

void WorkArea::activate(QWidget* window)
{
    if (QMdiSubWindow* frame = frameOf(window))
        m_mdi->setActiveSubWindow(frame);
}

void WorkArea::hide(QWidget* window)
{
    if (QMdiSubWindow* frame = frameOf(window)) {
        frame->hide();
        welcomeBackWhenEmpty(nullptr);
    }
}

void WorkArea::show(QWidget* window)
{
    QMdiSubWindow* frame = frameOf(window);
    if (!frame)
        return;
    setWelcomeVisible(false);
    frame->show();
    window->show();
    frame->raise();
    frame->setFocus();
}

bool WorkArea::close(QWidget* window)
{
    QMdiSubWindow* frame = frameOf(window);
    return frame ? frame->close() : window->close();
}

bool WorkArea::closeAll()
{
    const QList<QMdiSubWindow*> frames = m_mdi->subWindowList();
    for (QMdiSubWindow* frame : frames) {
        if (!frame->close())
            return false;
    }
    return true;
}

void WorkArea::destroyAll()
{
    const QList<QMdiSubWindow*> frames = m_mdi->subWindowList();
    qDeleteAll(frames);
}

QWidget* WorkArea::frontWindow() const
{
    const QList<QMdiSubWindow*> frames = m_mdi->subWindowList(QMdiArea::StackingOrder);
    if (frames.isEmpty())
        return nullptr;
    // Until the main window is first activated no frame is current; the top one is in front.
    const QMdiSubWindow* front = m_mdi->currentSubWindow();
    return (front ? front : frames.constLast())->widget();
}

QWidget* WorkArea::activeWindowHolding(const QWidget* focus) const
{
    const QMdiSubWindow* active = m_mdi->activeSubWindow();
    return focus && active && m_mdi->isAncestorOf(focus) ? active->widget() : nullptr;
}

QRect WorkArea::globalArea() const
{
    const QWidget* viewport = m_mdi->viewport();
    return QRect(viewport->mapToGlobal(QPoint(0, 0)), viewport->size());
}

void WorkArea::addPanel(QWidget* panel, Qt::Edge edge)
{
    panel->hide();
    if (edge == Qt::LeftEdge)
        m_row->insertWidget(0, panel);
    else
        m_column->insertWidget(0, panel);
    m_panels.append(panel);
    // Widgets added to a shown window join its tab order at the end, after the foot.
    keepFootLastInTabOrder(panel);
}

bool WorkArea::welcomeVisible() const
{
    return m_body->currentWidget() == m_welcome;
}

void WorkArea::setWelcomeVisible(bool visible)
{
    m_body->setCurrentWidget(visible ? m_welcome : m_work);
}

void WorkArea::setTabOrderFoot(QWidget* first, QWidget* last)
{
    m_footFirst = first;
    m_footLast = last;
}

void WorkArea::frameClosed(QMdiSubWindow* frame)
{
    welcomeBackWhenEmpty(frame);
}

void WorkArea::welcomeBackWhenEmpty(const QMdiSubWindow* closing)
{
    const QList<QMdiSubWindow*> frames = m_mdi->subWindowList();
    const bool windowShown = std::any_of(frames.cbegin(), frames.cend(), [&](const auto* frame) {
        return frame != closing && !frame->isHidden();
    });
    const bool panelShown = std::any_of(m_panels.cbegin(), m_panels.cend(),
                                        [](const QWidget* panel) { return !panel->isHidden(); });
    if (!windowShown && !panelShown)
        setWelcomeVisible(true);
}

bool WorkArea::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == m_mdi->viewport() && event->type() == QEvent::Resize)
        fitFillingWindows();
    return QWidget::eventFilter(watched, event);
}

QMdiSubWindow* WorkArea::frameOf(const QWidget* window) const
{
    auto* frame = window ? qobject_cast<QMdiSubWindow*>(window->parentWidget()) : nullptr;
    return frame && frame->mdiArea() == m_mdi ? frame : nullptr;
}

void WorkArea::place(QMdiSubWindow* frame)
{
    // Panels hidden or shown just before (a program's panels, the welcome panel) change the area
    // only when their layouts run; centring before that would use the old width.
    QCoreApplication::sendPostedEvents(nullptr, QEvent::LayoutRequest);
    const QSize area = m_mdi->viewport()->size();
    const QSize size = frame->sizeHint().boundedTo(area).expandedTo(frame->minimumSizeHint());
    frame->resize(size);
    frame->move(std::max(0, (area.width() - size.width()) / 2), 0);
}

void WorkArea::fitFillingWindows()
{
    const QList<QMdiSubWindow*> frames = m_mdi->subWindowList();
    for (QMdiSubWindow* frame : frames) {
        if (static_cast<ChildFrame*>(frame)->placement() == Placement::Filling)
            frame->setGeometry(QRect(QPoint(0, 0), m_mdi->viewport()->size()));
    }
}

void WorkArea::keepFootLastInTabOrder(QWidget* added)
{
    if (!m_footFirst)
        return;
    QWidget* last = added;
    for (QWidget* w = added->nextInFocusChain(); added->isAncestorOf(w);
         w = w->nextInFocusChain()) {
        if (w->focusPolicy() != Qt::NoFocus)
            last = w;
    }
    setTabOrder(last, m_footFirst);
    setTabOrder(m_footFirst, m_footLast);
}

} // namespace tarvo
