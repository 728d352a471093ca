#pragma once

#include <QString>
#include <optional>

namespace tarvo::bench {

class ChildEnvironment;

struct ContentMeasure {
    QString subject;
    double ms = 0;
};

struct ContentSummary {
    ContentMeasure zodiac;
    ContentMeasure chakra;
    ContentMeasure article;
    // The first article open of a process, catalogue read included.
    ContentMeasure articleFirstOpen;
    int processes = 0;
    int runs = 0;
};

// Runs tarvo-bench-content in processes fresh processes of runs timed runs each; every value
// is the median over the processes of each process's median.
std::optional<ContentSummary> measureContent(const QString& program,
                                             const ChildEnvironment& environment, int processes,
                                             int runs, QString* failure);

} // namespace tarvo::bench
