#include "runner/StartupRun.h"

#include "runner/ChildEnvironment.h"
#include "runner/ChildProcess.h"

#include <QFile>

namespace tarvo::bench {

namespace {

constexpr int kTimeoutMs = 60'000;
constexpr double kNsPerMs = 1e6;

} // namespace

std::optional<StartupSample> measureStartup(const QString& program, const QString& probe,
                                            const ChildEnvironment& environment, QString* failure)
{
    const QString outPath = environment.filePath(QStringLiteral("first-paint.txt"));
    QFile::remove(outPath);
    QStringList variables = environment.variables(probe);
    variables.append(QStringLiteral("TARVO_BENCH_PROBE_OUT=") + outPath);

    const ChildRun run = runChild(program, {}, variables, {}, kTimeoutMs);
    if (!run.succeeded) {
        *failure = run.failure;
        return std::nullopt;
    }
    QFile out(outPath);
    if (!out.open(QIODevice::ReadOnly)) {
        *failure = QStringLiteral("%1 ended without painting a main window").arg(program);
        return std::nullopt;
    }
    // "<paint start ns> <frame done ns> <peak KiB> <platform>"
    const QList<QByteArray> fields = out.readAll().simplified().split(' ');
    if (fields.size() != 4) {
        *failure = QStringLiteral("unreadable probe output from %1").arg(program);
        return std::nullopt;
    }
    StartupSample sample;
    const double paintStart = double(fields[0].toLongLong()) / kNsPerMs;
    sample.firstPaintMs = double(fields[1].toLongLong()) / kNsPerMs;
    sample.paintingMs = sample.firstPaintMs - paintStart;
    sample.peakAtPaintMiB = double(fields[2].toLong()) / 1024;
    sample.peakMiB = double(run.peakResidentKiB) / 1024;
    sample.platform = QString::fromUtf8(fields[3]);
    return sample;
}

} // namespace tarvo::bench
