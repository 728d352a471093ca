#include "runner/ResultTable.h"

#include "common/Statistics.h"

#include <QFile>
#include <QSysInfo>
#include <QThread>
#include <algorithm>

namespace tarvo::bench {

namespace {

constexpr double kRatioTarget = 1.25;
constexpr double kContentTargetMs = 10;

QString cpuModel()
{
    QFile info(QStringLiteral("/proc/cpuinfo"));
    if (info.open(QIODevice::ReadOnly | QIODevice::Text)) {
        // A /proc file reports its end before the first read, so read until a line comes empty.
        for (QString line = QString::fromUtf8(info.readLine()); !line.isEmpty();
             line = QString::fromUtf8(info.readLine())) {
            if (line.startsWith(u"model name"))
                return line.section(u':', 1).trimmed();
        }
    }
    return QStringLiteral("unknown CPU");
}

QList<double> values(const StartupSeries& series, double StartupSample::*field)
{
    QList<double> result;
    for (const StartupSample& sample : series.samples)
        result.append(sample.*field);
    return result;
}

double medianOf(const StartupSeries& series, double StartupSample::*field)
{
    return median(values(series, field));
}

QString number(double value, int decimals = 1)
{
    return QString::number(value, 'f', decimals);
}

QString mark(bool pass)
{
    return pass ? QStringLiteral("PASS") : QStringLiteral("OVER");
}

void ratioRow(QTextStream& out, const QString& measure, double ours, double bare,
              const QString& unit)
{
    const double ratio = bare > 0 ? ours / bare : 0;
    out << "| " << measure << " | " << number(ours) << ' ' << unit << " | " << number(bare) << ' '
        << unit << " | " << number(ratio, 2) << "x | <= " << number(kRatioTarget, 2) << "x | "
        << mark(bare > 0 && ratio <= kRatioTarget) << " |\n";
}

void contentRow(QTextStream& out, const ContentMeasure& measure, const QString& what)
{
    out << "| " << measure.subject << ": " << what << " | " << number(measure.ms, 2)
        << " ms | | | < " << number(kContentTargetMs, 0) << " ms | "
        << mark(measure.ms < kContentTargetMs) << " |\n";
}

void spreadLine(QTextStream& out, const QString& name, const StartupSeries& series)
{
    const QList<double> paint = values(series, &StartupSample::firstPaintMs);
    const auto [low, high] = std::minmax_element(paint.begin(), paint.end());
    out << "- " << name << ": first paint " << number(*low) << " to " << number(*high)
        << " ms; painting the first frame " << number(medianOf(series, &StartupSample::paintingMs))
        << " ms of it; peak memory at first paint "
        << number(medianOf(series, &StartupSample::peakAtPaintMiB)) << " MiB\n";
}

} // namespace

void printResults(QTextStream& out, const StartupSeries& ours, const Baselines& bare,
                  const ContentSummary& content)
{
    const qsizetype runs =
        std::min({ours.samples.size(), bare.empty.samples.size(), bare.withText.samples.size()});
    out << "Machine: " << QThread::idealThreadCount() << " CPUs (" << cpuModel() << "), "
        << QSysInfo::kernelType() << ' ' << QSysInfo::kernelVersion() << ", Qt " << qVersion()
        << ", platform plugin " << ours.samples.value(0).platform << "\n\n";
    out << "| Measure | Tarvo Yoga | Bare Qt | Ratio | Target | Result |\n"
        << "|---|---|---|---|---|---|\n";
    const QString againstEmpty = QStringLiteral(", against the empty window");
    const QString againstText = QStringLiteral(", against the window with menu and text");
    const QString startup = QStringLiteral("Start-up to first paint");
    const QString memory = QStringLiteral("Peak memory (max RSS)");
    const double oursPaint = medianOf(ours, &StartupSample::firstPaintMs);
    const double oursPeak = medianOf(ours, &StartupSample::peakMiB);
    ratioRow(out, startup + againstEmpty, oursPaint,
             medianOf(bare.empty, &StartupSample::firstPaintMs), QStringLiteral("ms"));
    ratioRow(out, startup + againstText, oursPaint,
             medianOf(bare.withText, &StartupSample::firstPaintMs), QStringLiteral("ms"));
    ratioRow(out, memory + againstEmpty, oursPeak, medianOf(bare.empty, &StartupSample::peakMiB),
             QStringLiteral("MiB"));
    ratioRow(out, memory + againstText, oursPeak, medianOf(bare.withText, &StartupSample::peakMiB),
             QStringLiteral("MiB"));
    const QString buildAndRender = QStringLiteral("build and render");
    contentRow(out, content.zodiac, buildAndRender);
    contentRow(out, content.chakra, buildAndRender);
    contentRow(out, content.article, buildAndRender);
    contentRow(out, content.articleFirstOpen,
               QStringLiteral("first open, catalogue read included"));
    out << "\nStart-up and memory: medians of " << runs
        << " rotating runs of each program after one warm-up run each. Content: median over "
        << content.processes << " processes of each one's median of " << content.runs
        << " runs after a warm-up; the first open is once per process.\n";
    spreadLine(out, QStringLiteral("Tarvo Yoga"), ours);
    spreadLine(out, QStringLiteral("Bare Qt, empty window"), bare.empty);
    spreadLine(out, QStringLiteral("Bare Qt, menu bar and text"), bare.withText);
}

} // namespace tarvo::bench
