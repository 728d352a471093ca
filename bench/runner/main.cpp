// tarvo-bench: start-up time to first paint and peak memory of Tarvo Yoga against two bare Qt
// Widgets main windows, an empty one and one with a menu bar and a line of text, and the
// content timings, printed as one Markdown table.

#include "runner/ChildEnvironment.h"
#include "runner/ContentRun.h"
#include "runner/ResultTable.h"
#include "runner/StartupRun.h"

#include <QCommandLineParser>
#include <QCoreApplication>
#include <QTextStream>

using namespace tarvo::bench;

namespace {

QTextStream& progress()
{
    static QTextStream err(stderr);
    return err;
}

int fail(const QString& why)
{
    progress() << "tarvo-bench: " << why << Qt::endl;
    return 1;
}

} // namespace

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    QCommandLineParser parser;
    parser.setApplicationDescription(
        QStringLiteral("Tarvo Yoga start-up, memory and content benchmark"));
    parser.addHelpOption();
    const auto option = [&parser](const QString& name, const QString& help, const QString& value,
                                  const QString& fallback = {}) {
        QCommandLineOption added(name, help, value, fallback);
        parser.addOption(added);
        return added;
    };
    const auto program = option(QStringLiteral("program"), QStringLiteral("The tarvo-yoga binary."),
                                QStringLiteral("path"));
    const auto bare =
        option(QStringLiteral("bare"), QStringLiteral("The empty Qt Widgets main window."),
               QStringLiteral("path"));
    const auto bareText =
        option(QStringLiteral("bare-text"),
               QStringLiteral("The Qt Widgets main window with a menu bar and a line of text."),
               QStringLiteral("path"));
    const auto probe =
        option(QStringLiteral("probe"), QStringLiteral("The first-paint probe library."),
               QStringLiteral("path"));
    const auto content =
        option(QStringLiteral("content"), QStringLiteral("The tarvo-bench-content binary."),
               QStringLiteral("path"));
    const auto runs = option(QStringLiteral("runs"),
                             QStringLiteral("Start-up runs of each program (at least 10)."),
                             QStringLiteral("count"), QStringLiteral("11"));
    const auto contentRuns =
        option(QStringLiteral("content-runs"), QStringLiteral("Timed runs per content measure."),
               QStringLiteral("count"), QStringLiteral("51"));
    const auto contentProcesses =
        option(QStringLiteral("content-processes"),
               QStringLiteral("Fresh processes for the content measures."), QStringLiteral("count"),
               QStringLiteral("5"));
    parser.process(app);
    for (const QCommandLineOption& required : {program, bare, bareText, probe, content}) {
        if (parser.value(required).isEmpty())
            return fail(QStringLiteral("--%1 is required").arg(required.names().constFirst()));
    }
    const int runCount = std::max(10, parser.value(runs).toInt());

    // Offscreen unless the caller picked a platform; `xvfb-run -a` with QT_QPA_PLATFORM=xcb
    // gives the X11 path.
    QString platform = qEnvironmentVariable("QT_QPA_PLATFORM");
    if (platform.isEmpty())
        platform = QStringLiteral("offscreen");
    const ChildEnvironment environment(platform);
    if (!environment.isValid())
        return fail(QStringLiteral("cannot make the private home folder"));

    QString failure;
    constexpr int kPrograms = 3;
    const QString programs[kPrograms] = {parser.value(program), parser.value(bare),
                                         parser.value(bareText)};
    StartupSeries series[kPrograms];
    // The warm-up puts both programs and their libraries in the page cache.
    for (int round = -1; round < runCount; ++round) {
        progress() << "start-up run " << round + 1 << '/' << runCount << Qt::endl;
        // Rotating which goes first keeps drift on the shared machine from favouring one.
        for (int k = 0; k < kPrograms; ++k) {
            const int which = (round + 1 + k) % kPrograms;
            const auto sample =
                measureStartup(programs[which], parser.value(probe), environment, &failure);
            if (!sample)
                return fail(failure);
            if (round >= 0)
                series[which].samples.append(*sample);
        }
    }
    for (int which = 1; which < kPrograms; ++which) {
        if (series[which].samples.constFirst().platform != series[0].samples.constFirst().platform)
            return fail(QStringLiteral("the programs ran under different platform plugins"));
    }

    progress() << "content timings" << Qt::endl;
    const auto summary = measureContent(parser.value(content), environment,
                                        std::max(1, parser.value(contentProcesses).toInt()),
                                        std::max(1, parser.value(contentRuns).toInt()), &failure);
    if (!summary)
        return fail(failure);

    QTextStream out(stdout);
    printResults(out, series[0], {series[1], series[2]}, *summary);
    return 0;
}
