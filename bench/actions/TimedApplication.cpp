#include "actions/TimedApplication.h"

namespace tarvo::bench {

namespace {

bool inside(const QObject* object, const QString& name)
{
    for (; object; object = object->parent()) {
        if (object->objectName() == name)
            return true;
    }
    return false;
}

} // namespace

TimedApplication::TimedApplication(int& argc, char** argv)
    : QApplication(argc, argv)
{
    m_clock.start();
}

double TimedApplication::nowMs() const
{
    return double(m_clock.nsecsElapsed()) / 1e6;
}

void TimedApplication::watchFor(const QString& window)
{
    m_window = window;
    m_windowPainted = false;
    m_lastFrameMs = -1;
    m_windowFrameMs = -1;
}

bool TimedApplication::notify(QObject* receiver, QEvent* event)
{
    const QEvent::Type type = event->type();
    if (type == QEvent::Paint) {
        m_painted = true;
        if (m_windowFrameMs < 0 && !m_window.isEmpty() && inside(receiver, m_window))
            m_windowPainted = true;
    }
    const bool handled = QApplication::notify(receiver, event);
    const bool frameEvent =
        type == QEvent::Paint || type == QEvent::UpdateRequest || type == QEvent::Expose;
    if (m_painted && frameEvent) {
        m_lastFrameMs = nowMs();
        if (m_windowPainted)
            m_windowFrameMs = m_lastFrameMs;
        // A paint sent on its own may be part of a larger frame, which ends later.
        if (type != QEvent::Paint) {
            m_painted = false;
            m_windowPainted = false;
        }
    }
    return handled;
}

} // namespace tarvo::bench
