#pragma once

#include "actions/Measures.h"

#include <QStringList>
#include <optional>

namespace tarvo::bench {

struct RunPlan {
    QStringList platforms;
    int runs = 5;
    int breathingSeconds = 10;
    QList<int> journalSizes;
};

// Runs this program's measuring modes in fresh processes, runs times on each platform, each
// with private home, configuration, data and runtime folders; the journals are filled once.
// Progress goes to the standard error.
std::optional<QList<PlatformRuns>> runAll(const RunPlan& plan, QString* failure);

} // namespace tarvo::bench
