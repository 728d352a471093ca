// tarvo-bench-actions: what the user waits for in Tarvo Yoga's own windows. Each action is done
// as a user does it, by the controls' names, in a main window started as the program starts it,
// and timed to the end of the last frame it caused. Run without --child it runs every measure in
// fresh processes under each platform and prints the medians as a Markdown table.

#include "actions/ActionRuns.h"
#include "actions/ProgramUnderTest.h"
#include "actions/Scenarios.h"
#include "actions/TimedApplication.h"

#include <QCommandLineParser>
#include <QFile>
#include <QStyleHints>
#include <QTextStream>
#include <QThread>
#include <algorithm>
#include <cstring>

using namespace tarvo::bench;

namespace {

constexpr int kJournalSizes[] = {0, 1000, 50000};

QString loadAverage()
{
    QFile load(QStringLiteral("/proc/loadavg"));
    if (!load.open(QIODevice::ReadOnly))
        return QStringLiteral("unknown");
    return QString::fromLatin1(load.readAll()).section(u' ', 0, 2);
}

struct Options {
    QCommandLineOption child{QStringLiteral("child"), QStringLiteral("Internal: one mode."),
                             QStringLiteral("mode")};
    QCommandLineOption pdf{QStringLiteral("pdf"), QStringLiteral("Internal: the PDF to write."),
                           QStringLiteral("path")};
    QCommandLineOption data{QStringLiteral("data"),
                            QStringLiteral("Internal: the data folder of the journal."),
                            QStringLiteral("folder")};
    QCommandLineOption entries{QStringLiteral("entries"),
                               QStringLiteral("Internal: the journal's entries."),
                               QStringLiteral("count"), QStringLiteral("0")};
    QCommandLineOption runs{QStringLiteral("runs"),
                            QStringLiteral("Fresh processes per measure and platform."),
                            QStringLiteral("count"), QStringLiteral("5")};
    QCommandLineOption seconds{QStringLiteral("seconds"),
                               QStringLiteral("How long the breathing guide is measured."),
                               QStringLiteral("seconds"), QStringLiteral("10")};

    void addTo(QCommandLineParser& parser) const
    {
        parser.addOptions({child, pdf, data, entries, runs, seconds});
    }
};

int runChild(TimedApplication& app, const QCommandLineParser& parser, const Options& options)
{
    const QString mode = parser.value(options.child);
    const int entries = parser.value(options.entries).toInt();
    // Each journal size has a data folder of its own, filled once for every run.
    if (parser.isSet(options.data))
        qputenv("XDG_DATA_HOME", parser.value(options.data).toLocal8Bit());
    setUpAsProgram(app);
    if (mode == u"fill")
        return fillJournal(entries) ? 0 : 1;
    // A blinking caret would be taken for a frame the action caused.
    QGuiApplication::styleHints()->setCursorFlashTime(0);
    QTextStream out(stdout);
    if (mode == u"actions")
        timeProgramActions(app, parser.value(options.pdf), out);
    else if (mode == u"journal")
        timeJournal(app, entries, out);
    else if (mode == u"breathing")
        measureBreathingGuide(app, std::max(1, parser.value(options.seconds).toInt()), out);
    else
        return 2;
    return 0;
}

int runParent(const QCommandLineParser& parser, const Options& options)
{
    RunPlan plan;
    plan.runs = std::max(1, parser.value(options.runs).toInt());
    plan.breathingSeconds = std::max(1, parser.value(options.seconds).toInt());
    plan.journalSizes = {std::begin(kJournalSizes), std::end(kJournalSizes)};
    const QString chosen = qEnvironmentVariable("QT_QPA_PLATFORM");
    if (!chosen.isEmpty())
        plan.platforms = {chosen};
    else if (qEnvironmentVariableIsEmpty("DISPLAY"))
        plan.platforms = {QStringLiteral("offscreen")};
    else
        plan.platforms = {QStringLiteral("offscreen"), QStringLiteral("xcb")};

    const QString loadBefore = loadAverage();
    QString failure;
    const auto results = runAll(plan, &failure);
    if (!results) {
        QTextStream(stderr) << "tarvo-bench-actions: " << failure << Qt::endl;
        return 1;
    }
    QTextStream out(stdout);
    out << "Actions as a user does them: " << QThread::idealThreadCount() << " CPUs, Qt "
        << qVersion() << ", load average " << loadBefore << " before and " << loadAverage()
        << " after\n\n";
    printMeasures(out, *results);
    out << "\nMedians of " << plan.runs
        << " fresh processes on each platform. A window's cell gives the time to its first "
           "frame / to the last frame the action caused; every other cell the time to the last "
           "frame. The breathing guide is measured over "
        << plan.breathingSeconds << " s after a second's warm-up.\n";
    return 0;
}

} // namespace

int main(int argc, char** argv)
{
    const bool child = std::any_of(
        argv, argv + argc, [](const char* arg) { return std::strcmp(arg, "--child") == 0; });
    Options options;
    QCommandLineParser parser;
    parser.setApplicationDescription(QStringLiteral("What the user waits for in Tarvo Yoga"));
    parser.addHelpOption();
    options.addTo(parser);
    if (child) {
        TimedApplication app(argc, argv);
        parser.process(app);
        return runChild(app, parser, options);
    }
    QCoreApplication app(argc, argv);
    parser.process(app);
    return runParent(parser, options);
}
