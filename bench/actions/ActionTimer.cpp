#include "actions/ActionTimer.h"

#include "actions/TimedApplication.h"

#include <QEventLoop>
#include <QTimer>
#include <QWidget>
#include <algorithm>

namespace tarvo::bench {

namespace {

// No frame for this long and the action is taken to be over.
constexpr double kQuietMs = 50;
constexpr double kGiveUpMs = 60'000;
constexpr int kPollMs = 2;

} // namespace

FrameTimes ActionTimer::time(const std::function<void()>& action, const QString& window)
{
    const FrameTimes times = untilQuiet(action, window);
    // What closing a modal window repaints belongs to no action.
    untilQuiet([] {}, {});
    return times;
}

FrameTimes ActionTimer::untilQuiet(const std::function<void()>& action, const QString& window)
{
    QEventLoop loop;
    QTimer poll;
    poll.setInterval(kPollMs);
    double start = 0;
    double returned = -1;
    FrameTimes times;
    QObject::connect(&poll, &QTimer::timeout, &loop, [&] {
        const double now = m_app.nowMs();
        // Inside a modal window's own loop the action has not returned: its frames alone count.
        const bool acted = returned >= 0 || QApplication::activeModalWidget();
        const bool shown = window.isEmpty() || m_app.windowFrameMs() >= 0;
        const double last = std::max({start, returned, m_app.lastFrameMs()});
        if (now - start > kGiveUpMs)
            qFatal("tarvo-bench-actions: no quiet moment within %.0f s of an action (window %s)",
                   kGiveUpMs / 1000, qPrintable(window));
        if (!acted || !shown || now - last < kQuietMs)
            return;
        times.settledMs = last - start;
        times.windowMs = m_app.windowFrameMs() < 0 ? -1 : m_app.windowFrameMs() - start;
        poll.stop();
        loop.quit();
        if (QWidget* modal = QApplication::activeModalWidget())
            modal->close();
    });
    QTimer::singleShot(0, &loop, [&] {
        m_app.watchFor(window);
        start = m_app.nowMs();
        poll.start();
        action();
        returned = m_app.nowMs();
    });
    loop.exec();
    m_app.watchFor({});
    return times;
}

} // namespace tarvo::bench
