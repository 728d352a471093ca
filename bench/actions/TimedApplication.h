#pragma once

#include <QApplication>
#include <QElapsedTimer>

namespace tarvo::bench {

// An application that notes when each frame it paints is done. A frame ends when the dispatch
// that painted it returns (an update request, an expose, or a paint sent directly), by which
// time every widget of it has painted and the backing store has gone to the screen; an event
// filter would only see each paint begin.
class TimedApplication final : public QApplication {
public:
    TimedApplication(int& argc, char** argv);

    // Milliseconds since the application was made.
    double nowMs() const;

    // Forgets the frames so far and, from now on, notes the first frame in which the widget
    // named window, or one inside it, painted; no name notes none.
    void watchFor(const QString& window);
    // Negative until a frame has ended since watchFor().
    double lastFrameMs() const { return m_lastFrameMs; }
    double windowFrameMs() const { return m_windowFrameMs; }

    bool notify(QObject* receiver, QEvent* event) override;

private:
    QElapsedTimer m_clock;
    QString m_window;
    // A paint since the last frame ended, and whether the watched window took part in it.
    bool m_painted = false;
    bool m_windowPainted = false;
    double m_lastFrameMs = -1;
    double m_windowFrameMs = -1;
};

} // namespace tarvo::bench
