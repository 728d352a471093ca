// Loaded with LD_PRELOAD into a Qt Widgets program, so the program itself needs no hook.
// At the first paint of the top-level QMainWindow it notes how long the process has run,
// writes that to the file named by TARVO_BENCH_PROBE_OUT and quits the application.
//
// "First paint" is the first frame of the main window: the Paint event the main window itself
// receives starts it; the frame is done when control is back in the event loop, by which time
// every child has painted and the backing store has been flushed to the screen.

#include <QCoreApplication>
#include <QFile>
#include <QGuiApplication>
#include <QMainWindow>
#include <QTimer>
#include <ctime>

namespace {

qint64 monotonicNs()
{
    timespec now{};
    clock_gettime(CLOCK_MONOTONIC, &now);
    return qint64(now.tv_sec) * 1'000'000'000 + now.tv_nsec;
}

// Peak resident memory so far, in KiB, as the kernel reports it.
QByteArray residentPeakKiB()
{
    QFile status(QStringLiteral("/proc/self/status"));
    if (!status.open(QIODevice::ReadOnly))
        return QByteArrayLiteral("0");
    for (QByteArray line = status.readLine(); !line.isEmpty(); line = status.readLine()) {
        if (line.startsWith("VmHWM:"))
            return line.mid(6).replace("kB", "").trimmed();
    }
    return QByteArrayLiteral("0");
}

class FirstPaintProbe final : public QObject {
public:
    using QObject::QObject;

    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (m_paintStart == 0 && event->type() == QEvent::Paint && watched->isWidgetType()) {
            const auto* window = qobject_cast<const QMainWindow*>(watched);
            if (window && window->isWindow()) {
                m_paintStart = monotonicNs();
                QTimer::singleShot(0, this, [this] { frameDone(); });
            }
        }
        return QObject::eventFilter(watched, event);
    }

private:
    void frameDone()
    {
        const qint64 done = monotonicNs();
        const qint64 start = qEnvironmentVariable("TARVO_BENCH_START_NS").toLongLong();
        QFile out(qEnvironmentVariable("TARVO_BENCH_PROBE_OUT"));
        if (out.open(QIODevice::WriteOnly | QIODevice::Truncate)) {
            out.write(QByteArray::number(m_paintStart - start) + ' '
                      + QByteArray::number(done - start) + ' ' + residentPeakKiB() + ' '
                      + QGuiApplication::platformName().toUtf8() + '\n');
        }
        QCoreApplication::quit();
    }

    qint64 m_paintStart = 0;
};

void installProbe()
{
    if (qEnvironmentVariableIsEmpty("TARVO_BENCH_PROBE_OUT"))
        return;
    QCoreApplication* app = QCoreApplication::instance();
    app->installEventFilter(new FirstPaintProbe(app));
}

} // namespace

Q_COREAPP_STARTUP_FUNCTION(installProbe)
