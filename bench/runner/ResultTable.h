#pragma once

#include "runner/ContentRun.h"
#include "runner/StartupRun.h"

#include <QList>
#include <QTextStream>

namespace tarvo::bench {

struct StartupSeries {
    QList<StartupSample> samples;
};

// The runs of the two yardsticks: an empty main window, and one with a menu bar and a line of
// text, which starts the font system as every real program does.
struct Baselines {
    StartupSeries empty;
    StartupSeries withText;
};

// The machine line, the Markdown table with a start-up and a memory ratio against each
// baseline and a PASS or OVER mark per target, and the spread.
void printResults(QTextStream& out, const StartupSeries& ours, const Baselines& bare,
                  const ContentSummary& content);

} // namespace tarvo::bench
