#pragma once

#include <QHash>
#include <QList>
#include <QString>

class QTextStream;

namespace tarvo::bench {

// What a measure's target is held against.
enum class Judged {
    // A window: the time to its first frame.
    WindowFrame,
    // A page or a query: the time to the last frame it caused.
    LastFrame,
    Percent,
    MiB,
};

struct Measure {
    const char* key;
    const char* label;
    Judged judged;
    // None when 0: the value is shown unjudged.
    double target = 0;
};

// Every measure, in the order of the table.
const QList<Measure>& measures();

// The values of one platform's runs by "<key>" (the value) and "<key>/window" (ms to the
// window's first frame).
struct PlatformRuns {
    QString platform;
    int runs = 0;
    QHash<QString, QList<double>> values;
};

// The Markdown table: one column of medians per platform, the target, and PASS when every
// platform meets it.
void printMeasures(QTextStream& out, const QList<PlatformRuns>& platforms);

} // namespace tarvo::bench
