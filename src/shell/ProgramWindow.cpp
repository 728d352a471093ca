#include "shell/ProgramWindow.h"

#include "shell/WorkArea.h"

#include <QMdiSubWindow>

namespace tarvo {

ProgramWindow::ProgramWindow(const AppContext& context, QWidget* parent)
    : QWidget(parent)
    , m_context(context)
{
}

void ProgramWindow::closeEvent(QCloseEvent* event)
{
    setWelcomePanelVisible(m_context, true);
    QWidget::closeEvent(event);
}

void openProgramWindow(const AppContext& context, QWidget* window)
{
    if (context.area) {
        context.area->open(window);
    } else {
        window->setAttribute(Qt::WA_DeleteOnClose);
        window->show();
    }
}

void setProgramWindowVisible(QWidget* window, bool visible)
{
    auto* frame = qobject_cast<QMdiSubWindow*>(window->parentWidget());
    if (!frame) {
        window->setVisible(visible);
        return;
    }
    frame->setVisible(visible);
    if (visible) {
        window->show();
        frame->raise();
        frame->setFocus();
    }
}

void closeProgramWindow(QWidget* window)
{
    if (auto* frame = qobject_cast<QMdiSubWindow*>(window->parentWidget()))
        frame->close();
    else
        window->close();
}

void setWelcomePanelVisible(const AppContext& context, bool visible)
{
    if (context.area)
        context.area->setWelcomeVisible(visible);
}

} // namespace tarvo
