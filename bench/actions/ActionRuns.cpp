#include "actions/ActionRuns.h"

#include "runner/ChildEnvironment.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <QTextStream>

namespace tarvo::bench {

namespace {

constexpr int kTimeoutMs = 600'000;

QTextStream& progress()
{
    static QTextStream err(stderr);
    return err;
}

class ChildRunner {
public:
    ChildRunner(const ChildEnvironment& environment, PlatformRuns& collected)
        : m_environment(environment)
        , m_collected(collected)
    {
    }

    // Runs one mode and keeps what it writes; false with the reason in *failure.
    bool run(const QStringList& arguments, QString* failure)
    {
        QProcess child;
        child.setProgram(QCoreApplication::applicationFilePath());
        child.setArguments(arguments);
        child.setEnvironment(m_environment.variables({}));
        child.start();
        const bool finished = child.waitForFinished(kTimeoutMs);
        // The platform plugins warn of much that does not matter here; only the bench's own
        // words are passed on, unless the child failed.
        const QStringList errors =
            QString::fromUtf8(child.readAllStandardError()).split(u'\n', Qt::SkipEmptyParts);
        const bool succeeded =
            finished && child.exitStatus() == QProcess::NormalExit && child.exitCode() == 0;
        for (const QString& line : errors) {
            if (!succeeded || line.startsWith(u"tarvo-bench-actions:"))
                progress() << line << Qt::endl;
        }
        if (!succeeded) {
            child.kill();
            *failure = QStringLiteral("%1 failed under %2")
                           .arg(arguments.join(u' '), m_environment.platform());
            return false;
        }
        const QStringList lines =
            QString::fromUtf8(child.readAllStandardOutput()).split(u'\n', Qt::SkipEmptyParts);
        for (const QString& line : lines) {
            const QStringList fields = line.split(u'\t');
            if (fields.size() != 3)
                continue;
            m_collected.values[fields[0]].append(fields[2].toDouble());
            m_collected.values[fields[0] + QStringLiteral("/window")].append(fields[1].toDouble());
        }
        return true;
    }

private:
    const ChildEnvironment& m_environment;
    PlatformRuns& m_collected;
};

QString journalFolder(const QTemporaryDir& journals, int entries)
{
    return journals.filePath(QStringLiteral("data-%1").arg(entries));
}

} // namespace

std::optional<QList<PlatformRuns>> runAll(const RunPlan& plan, QString* failure)
{
    const QTemporaryDir journals;
    const ChildEnvironment filling(QStringLiteral("offscreen"));
    if (!journals.isValid() || !filling.isValid()) {
        *failure = QStringLiteral("cannot make the private folders");
        return std::nullopt;
    }
    PlatformRuns ignored;
    ChildRunner filler(filling, ignored);
    for (int entries : plan.journalSizes) {
        progress() << "writing a journal of " << entries << " entries" << Qt::endl;
        QDir().mkpath(journalFolder(journals, entries));
        if (!filler.run({QStringLiteral("--child"), QStringLiteral("fill"),
                         QStringLiteral("--entries"), QString::number(entries),
                         QStringLiteral("--data"), journalFolder(journals, entries)},
                        failure))
            return std::nullopt;
    }

    QList<PlatformRuns> all;
    for (const QString& platform : plan.platforms) {
        const ChildEnvironment environment(platform);
        if (!environment.isValid()) {
            *failure = QStringLiteral("cannot make the private folders");
            return std::nullopt;
        }
        PlatformRuns collected{platform, plan.runs, {}};
        ChildRunner runner(environment, collected);
        for (int run = 1; run <= plan.runs; ++run) {
            progress() << platform << " run " << run << '/' << plan.runs << Qt::endl;
            const QString pdf = environment.filePath(QStringLiteral("page.pdf"));
            QFile::remove(pdf);
            bool ran = runner.run({QStringLiteral("--child"), QStringLiteral("actions"),
                                   QStringLiteral("--pdf"), pdf},
                                  failure);
            for (int entries : plan.journalSizes) {
                ran = ran
                      && runner.run({QStringLiteral("--child"), QStringLiteral("journal"),
                                     QStringLiteral("--entries"), QString::number(entries),
                                     QStringLiteral("--data"), journalFolder(journals, entries)},
                                    failure);
            }
            ran =
                ran
                && runner.run({QStringLiteral("--child"), QStringLiteral("breathing"),
                               QStringLiteral("--seconds"), QString::number(plan.breathingSeconds)},
                              failure);
            if (!ran)
                return std::nullopt;
        }
        all.append(collected);
    }
    return all;
}

} // namespace tarvo::bench
