#pragma once

#include <QString>
#include <QStringList>

namespace tarvo::bench {

struct ChildRun {
    // Exited by itself with status 0 within the time allowed.
    bool succeeded = false;
    // Largest resident set of the child, as wait4() reports it.
    long peakResidentKiB = 0;
    QString failure;
};

// Starts program with exactly the given environment ("NAME=value" entries) plus
// TARVO_BENCH_START_NS, the CLOCK_MONOTONIC reading taken just before the spawn.
// Standard output goes to stdoutPath when given; the child is killed after timeoutMs.
ChildRun runChild(const QString& program, const QStringList& arguments,
                  const QStringList& environment, const QString& stdoutPath, int timeoutMs);

} // namespace tarvo::bench
