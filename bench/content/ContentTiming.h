#pragma once

#include <QList>
#include <QString>

namespace tarvo {
struct AppContext;
}

namespace tarvo::bench {

struct ContentTiming {
    // Which report or article was timed, for the table.
    QString subject;
    QList<double> timesMs;
};

// The Pisces report, built and shown in the report window's box.
ContentTiming zodiacReportTiming(const AppContext& context, int runs);

// All seven chakras chosen, answered so the result text is the longest it gets.
ContentTiming chakraResultTiming(const AppContext& context, int runs);

// The longest article, opened through the main window into the article viewer.
struct ArticleTiming {
    QString button;
    ContentTiming open;
    // The first article open of the process, which also reads the article catalogue;
    // negative when the caller did not name the button to open first.
    double firstOpenMs = -1;
};
ArticleTiming longestArticleTiming(const AppContext& context, const QString& firstButton, int runs);

} // namespace tarvo::bench
