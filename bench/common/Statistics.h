#pragma once

#include <QList>
#include <algorithm>

namespace tarvo::bench {

// The middle value; for an even count, the mean of the two middle ones. 0 for no values.
inline double median(QList<double> values)
{
    if (values.isEmpty())
        return 0;
    std::sort(values.begin(), values.end());
    const qsizetype middle = values.size() / 2;
    return values.size() % 2 == 1 ? values[middle] : (values[middle - 1] + values[middle]) / 2;
}

} // namespace tarvo::bench
