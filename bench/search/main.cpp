// Times the Find engine: the first search of a process, which reads the content and builds the
// index, and a typical query once the index is built. Prints a small Markdown table.

#include "common/Statistics.h"
#include "search/SearchDocuments.h"
#include "search/SearchIndex.h"

#include <QCommandLineParser>
#include <QCoreApplication>
#include <QElapsedTimer>
#include <QProcess>
#include <QTextStream>
#include <algorithm>

using namespace tarvo;

namespace {

constexpr double kFirstSearchTargetMs = 150;
constexpr double kQueryTargetMs = 5;

// What learners type: names in several spellings, English names, words of the texts, a word
// being typed and one with a slip.
const QStringList kTypicalQueries = {
    QStringLiteral("corpse"),      QStringLiteral("savasana"),
    QStringLiteral("cobra"),       QStringLiteral("sun salutation"),
    QStringLiteral("bhuj"),        QStringLiteral("alternate nostril"),
    QStringLiteral("back pain"),   QStringLiteral("heart"),
    QStringLiteral("bhujangasna"), QStringLiteral("diet to avoid"),
    QStringLiteral("breathing"),   QStringLiteral("meditation mind"),
};

double elapsedMs(const QElapsedTimer& timer)
{
    return double(timer.nsecsElapsed()) / 1e6;
}

// One measure in a fresh process, so the content is read as on a first search.
int child(const QString& mode)
{
    QElapsedTimer timer;
    timer.start();
    if (mode == u"content") {
        const qsizetype documents = search::teachingDocuments().size();
        const double ms = elapsedMs(timer);
        QTextStream(stdout) << ms << '\t' << documents << '\n';
        return 0;
    }
    search::SearchIndex index;
    const qsizetype hits = index.search(QStringLiteral("corpse")).size();
    const double ms = elapsedMs(timer);
    QTextStream(stdout) << ms << '\t' << hits << '\n';
    return index.error().isEmpty() && hits > 0 ? 0 : 1;
}

QList<double> childTimes(const QString& mode, int processes)
{
    QList<double> times;
    for (int i = 0; i < processes; ++i) {
        QProcess process;
        process.start(QCoreApplication::applicationFilePath(), {QStringLiteral("--child"), mode});
        if (!process.waitForFinished(60000) || process.exitCode() != 0)
            continue;
        times.append(
            QString::fromUtf8(process.readAllStandardOutput()).section(u'\t', 0, 0).toDouble());
    }
    return times;
}

QString ms(double value)
{
    return QString::number(value, 'f', value < 10 ? 3 : 1) + QStringLiteral(" ms");
}

} // namespace

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    QCommandLineParser parser;
    parser.setApplicationDescription(QStringLiteral("Find engine timings of Tarvo Yoga"));
    parser.addHelpOption();
    const QCommandLineOption childOption(
        QStringLiteral("child"), QStringLiteral("Internal: one measure."), QStringLiteral("mode"));
    const QCommandLineOption processesOption(QStringLiteral("processes"),
                                             QStringLiteral("Processes timing the first search."),
                                             QStringLiteral("count"), QStringLiteral("11"));
    const QCommandLineOption runsOption(QStringLiteral("runs"),
                                        QStringLiteral("Timed runs of each typical query."),
                                        QStringLiteral("count"), QStringLiteral("101"));
    parser.addOptions({childOption, processesOption, runsOption});
    parser.process(app);
    if (parser.isSet(childOption))
        return child(parser.value(childOption));

    const int processes = std::max(1, parser.value(processesOption).toInt());
    const int runs = std::max(1, parser.value(runsOption).toInt());

    const QList<double> first = childTimes(QStringLiteral("first"), processes);
    const QList<double> content = childTimes(QStringLiteral("content"), processes);

    search::SearchIndex index;
    index.search(kTypicalQueries.first()); // builds the index, not timed here
    QList<double> queries;
    QList<double> perQuery;
    for (const QString& query : kTypicalQueries) {
        QList<double> times;
        for (int i = 0; i < runs; ++i) {
            QElapsedTimer timer;
            timer.start();
            const QList<search::SearchHit> hits = index.search(query);
            times.append(elapsedMs(timer));
            if (hits.isEmpty())
                return 1;
        }
        queries += times;
        perQuery.append(bench::median(times));
    }

    QTextStream out(stdout);
    const auto row = [&out](const QString& measure, double value, double target) {
        out << "| " << measure << " | " << ms(value) << " | < " << target << " ms | "
            << (value < target ? "PASS" : "OVER") << " |\n";
    };
    out << "| Measure | Time | Target | Result |\n|---|---|---|---|\n";
    row(QStringLiteral("Find: first search, content read and index built"), bench::median(first),
        kFirstSearchTargetMs);
    row(QStringLiteral("Find: typical query"), bench::median(queries), kQueryTargetMs);
    out << "\nFirst search: median of " << first.size() << " processes, "
        << ms(first.isEmpty() ? 0 : *std::min_element(first.begin(), first.end())) << " to "
        << ms(first.isEmpty() ? 0 : *std::max_element(first.begin(), first.end()))
        << "; reading the content alone takes " << ms(bench::median(content)) << " of it.\n";
    out << "Typical query: median of " << queries.size() << " searches (" << runs << " of each of "
        << kTypicalQueries.size()
        << " queries, up to 50 hits with snippets); slowest query's median "
        << ms(*std::max_element(perQuery.begin(), perQuery.end())) << ".\n";
    return 0;
}
