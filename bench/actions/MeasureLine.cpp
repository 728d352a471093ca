#include "actions/ActionTimer.h"
#include "actions/Scenarios.h"

#include <QTextStream>

namespace tarvo::bench {

void writeMeasure(QTextStream& out, const QString& key, double windowMs, double value)
{
    out << key << '\t' << QString::number(windowMs, 'f', 3) << '\t'
        << QString::number(value, 'f', 3) << Qt::endl;
}

void writeMeasure(QTextStream& out, const QString& key, const FrameTimes& times)
{
    writeMeasure(out, key, times.windowMs, times.settledMs);
}

} // namespace tarvo::bench
