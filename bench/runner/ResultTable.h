#pragma once

#include "runner/ContentRun.h"
#include "runner/StartupRun.h"

#include <QList>
#include <QTextStream>

namespace tarvo::bench {

struct StartupSeries {
    QList<StartupSample> samples;
};

// The machine line, the Markdown table with a PASS or OVER mark per target, and the spread.
void printResults(QTextStream& out, const StartupSeries& ours, const StartupSeries& bare,
                  const ContentSummary& content);

} // namespace tarvo::bench
