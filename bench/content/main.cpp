// Times how long the largest reports and the longest article take to build and show, in
// the program's own windows, and prints one tab-separated line per measure for tarvo-bench.

#include "common/Statistics.h"
#include "content/ContentTiming.h"
#include "platform/Clock.h"
#include "platform/Fonts.h"
#include "platform/QtDesktop.h"
#include "platform/RandomSource.h"
#include "platform/SettingsStore.h"
#include "shell/AppContext.h"

#include <QApplication>
#include <QCommandLineParser>
#include <QTextStream>

using namespace tarvo;

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Tarvo Yoga"));
    QApplication::setOrganizationName(QStringLiteral("Tarvo"));
    installProgramFont(app);

    QCommandLineParser parser;
    parser.setApplicationDescription(QStringLiteral("Content timings of Tarvo Yoga"));
    parser.addHelpOption();
    const QCommandLineOption runs(QStringLiteral("runs"), QStringLiteral("Timed runs of each."),
                                  QStringLiteral("count"), QStringLiteral("51"));
    const QCommandLineOption first(
        QStringLiteral("first-article"),
        QStringLiteral("Article button to time as the process's first article open."),
        QStringLiteral("button"));
    parser.addOptions({runs, first});
    parser.process(app);
    const int count = std::max(1, parser.value(runs).toInt());

    QtDesktop desktop;
    SystemClock clock;
    UserSettingsStore settings;
    SystemRandomSource random;
    const AppContext context{desktop, clock, settings, random};

    // The article goes first: only a process that has read no article shows the first open.
    const bench::ArticleTiming article =
        bench::longestArticleTiming(context, parser.value(first), count);
    const bench::ContentTiming zodiac = bench::zodiacReportTiming(context, count);
    const bench::ContentTiming chakra = bench::chakraResultTiming(context, count);

    QTextStream out(stdout);
    const auto line = [&out](const QString& key, const QString& subject, double ms) {
        out << key << '\t' << subject << '\t' << QString::number(ms, 'f', 4) << '\n';
    };
    line(QStringLiteral("zodiac"), zodiac.subject, bench::median(zodiac.timesMs));
    line(QStringLiteral("chakra"), chakra.subject, bench::median(chakra.timesMs));
    line(QStringLiteral("article"), article.open.subject, bench::median(article.open.timesMs));
    line(QStringLiteral("article-button"), article.button, 0);
    if (article.firstOpenMs >= 0)
        line(QStringLiteral("article-first"), article.open.subject, article.firstOpenMs);
    return 0;
}
