#include "actions/ActionTimer.h"
#include "actions/Controls.h"
#include "actions/ProgramUnderTest.h"
#include "actions/Scenarios.h"
#include "app/MainWindow.h"
#include "practice/breathing/BreathingGuideWindow.h"
#include "shell/WorkArea.h"

#include <QElapsedTimer>
#include <QEventLoop>
#include <QFile>
#include <QGuiApplication>
#include <QSpinBox>
#include <QTextStream>
#include <QTimer>
#include <sys/resource.h>
#include <unistd.h>

namespace tarvo::bench {

namespace {

// Enough for the circle's first frames and the window's layout to be over before measuring.
constexpr int kWarmUpMs = 1000;

double ownCpuSeconds()
{
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    const auto seconds = [](const timeval& t) {
        return double(t.tv_sec) + double(t.tv_usec) / 1e6;
    };
    return seconds(usage.ru_utime) + seconds(usage.ru_stime);
}

// The X server the program draws on, from the lock file it keeps its process id in; 0 when
// there is none.
qint64 xServerPid()
{
    const QString display = qEnvironmentVariable("DISPLAY");
    if (QGuiApplication::platformName() != u"xcb" || !display.startsWith(u':'))
        return 0;
    const QString number = display.mid(1).section(u'.', 0, 0);
    QFile lock(QStringLiteral("/tmp/.X%1-lock").arg(number));
    return lock.open(QIODevice::ReadOnly) ? lock.readAll().trimmed().toLongLong() : 0;
}

// User and system time of another process, in seconds; negative when it cannot be read.
double processCpuSeconds(qint64 pid)
{
    QFile stat(QStringLiteral("/proc/%1/stat").arg(pid));
    if (pid <= 0 || !stat.open(QIODevice::ReadOnly))
        return -1;
    // The name in parentheses may hold blanks; the fields after it are counted from there.
    const QByteArray text = stat.readAll();
    const QList<QByteArray> fields = text.mid(text.lastIndexOf(')') + 2).split(' ');
    constexpr int kUserTime = 11;
    constexpr int kSystemTime = 12;
    if (fields.size() <= kSystemTime)
        return -1;
    return double(fields[kUserTime].toLongLong() + fields[kSystemTime].toLongLong())
           / double(::sysconf(_SC_CLK_TCK));
}

void wait(int ms)
{
    QEventLoop loop;
    QTimer::singleShot(ms, &loop, &QEventLoop::quit);
    loop.exec();
}

} // namespace

void measureBreathingGuide(TimedApplication& app, int seconds, QTextStream& out)
{
    ActionTimer timer(app);
    ProgramUnderTest program;
    MainWindow& window = program.window();
    timer.settle();
    timer.run([&] { program.afterFirstFrame(); });
    timer.run([&] {
        chooseCommand(&window, QStringLiteral("mnuPractice"), QStringLiteral("mnuBreathingGuide"));
    });
    QWidget* guide = window.area().find<BreathingGuideWindow>();
    // Equal breathing, the guide's first pattern, for a minute: longer than the measure.
    timer.run([&] {
        choose(guide, QStringLiteral("cboLengthUnit"), 1);
        control<QSpinBox>(guide, QStringLiteral("spnLength")).setValue(1);
    });
    // Not timed: the circle paints for as long as it plays.
    click(guide, QStringLiteral("cmdStart"));
    wait(kWarmUpMs);

    const qint64 server = xServerPid();
    const double serverBefore = processCpuSeconds(server);
    const double ownBefore = ownCpuSeconds();
    QElapsedTimer wall;
    wall.start();
    wait(seconds * 1000);
    const double own = ownCpuSeconds() - ownBefore;
    const double serverAfter = processCpuSeconds(server);
    const double elapsed = double(wall.nsecsElapsed()) / 1e9;
    writeMeasure(out, QStringLiteral("breathing-cpu"), -1, 100 * own / elapsed);
    if (serverBefore >= 0 && serverAfter >= 0)
        writeMeasure(out, QStringLiteral("breathing-xserver"), -1,
                     100 * (serverAfter - serverBefore) / elapsed);
    click(guide, QStringLiteral("cmdStop"));
}

} // namespace tarvo::bench
