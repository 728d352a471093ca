#include "runner/ContentRun.h"

#include "common/Statistics.h"
#include "runner/ChildEnvironment.h"
#include "runner/ChildProcess.h"

#include <QFile>
#include <QHash>

namespace tarvo::bench {

namespace {

constexpr int kTimeoutMs = 300'000;

struct Line {
    QString subject;
    double ms = 0;
};

// "<key>\t<subject>\t<ms>" lines, by key.
QHash<QString, Line> readLines(const QString& path)
{
    QHash<QString, Line> lines;
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly | QIODevice::Text))
        return lines;
    while (!file.atEnd()) {
        const QStringList fields = QString::fromUtf8(file.readLine()).trimmed().split(u'\t');
        if (fields.size() == 3)
            lines.insert(fields[0], {fields[1], fields[2].toDouble()});
    }
    return lines;
}

ContentMeasure summarise(const QList<QHash<QString, Line>>& outputs, const QString& key)
{
    ContentMeasure measure;
    QList<double> values;
    for (const auto& output : outputs) {
        if (const auto found = output.constFind(key); found != output.constEnd()) {
            measure.subject = found->subject;
            values.append(found->ms);
        }
    }
    measure.ms = median(values);
    return measure;
}

} // namespace

std::optional<ContentSummary> measureContent(const QString& program,
                                             const ChildEnvironment& environment, int processes,
                                             int runs, QString* failure)
{
    const QString outPath = environment.filePath(QStringLiteral("content.tsv"));
    const QStringList variables = environment.variables({});
    QList<QHash<QString, Line>> outputs;
    QString firstButton;
    // The first process finds the longest article; the others open it as their first.
    for (int i = 0; i <= processes; ++i) {
        QStringList arguments{QStringLiteral("--runs"), QString::number(runs)};
        if (!firstButton.isEmpty())
            arguments << QStringLiteral("--first-article") << firstButton;
        const ChildRun run = runChild(program, arguments, variables, outPath, kTimeoutMs);
        if (!run.succeeded) {
            *failure = run.failure;
            return std::nullopt;
        }
        const QHash<QString, Line> output = readLines(outPath);
        if (i == 0) {
            firstButton = output.value(QStringLiteral("article-button")).subject;
            if (firstButton.isEmpty()) {
                *failure = QStringLiteral("%1 named no longest article").arg(program);
                return std::nullopt;
            }
            continue;
        }
        outputs.append(output);
    }
    ContentSummary summary;
    summary.zodiac = summarise(outputs, QStringLiteral("zodiac"));
    summary.chakra = summarise(outputs, QStringLiteral("chakra"));
    summary.article = summarise(outputs, QStringLiteral("article"));
    summary.articleFirstOpen = summarise(outputs, QStringLiteral("article-first"));
    summary.processes = processes;
    summary.runs = runs;
    return summary;
}

} // namespace tarvo::bench
