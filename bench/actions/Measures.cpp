#include "actions/Measures.h"

#include "common/Statistics.h"

#include <QTextStream>

namespace tarvo::bench {

namespace {

constexpr double kWindowMs = 50;
constexpr double kPageMs = 50;
constexpr double kQueryMs = 5;
constexpr double kFirstQueryMs = 150;
constexpr double kLargeJournalMs = 100;
constexpr double kLargeJournalMiB = 10;
constexpr double kBreathingPercent = 3;

QString platformName(const QString& platform)
{
    return platform == u"xcb" ? QStringLiteral("X11 (Xvfb)") : platform;
}

QString ms(double value)
{
    return QString::number(value, 'f', value < 10 ? 2 : 1);
}

QString targetText(const Measure& measure)
{
    if (measure.target <= 0)
        return {};
    switch (measure.judged) {
    case Judged::WindowFrame:
        return QStringLiteral("<= %1 ms to its first frame").arg(measure.target);
    case Judged::LastFrame:
        return QStringLiteral("<= %1 ms").arg(measure.target);
    case Judged::Percent:
        return QStringLiteral("< %1 % of a core").arg(measure.target);
    case Judged::MiB:
        return QStringLiteral("< %1 MiB").arg(measure.target);
    }
    return {};
}

struct Cell {
    QString text;
    bool measured = false;
    bool met = false;
};

Cell cell(const Measure& measure, const PlatformRuns& runs)
{
    const QString key = QLatin1String(measure.key);
    const QList<double> values = runs.values.value(key);
    if (values.isEmpty())
        return {};
    const double value = median(values);
    const QList<double> windows = runs.values.value(key + QStringLiteral("/window"));
    const double window = median(windows);
    switch (measure.judged) {
    case Judged::WindowFrame: {
        if (windows.contains(-1))
            return {QStringLiteral("no frame (%1 ms)").arg(ms(value)), true, false};
        return {ms(window) + QStringLiteral(" / ") + ms(value) + QStringLiteral(" ms"), true,
                window <= measure.target};
    }
    case Judged::LastFrame:
        return {ms(value) + QStringLiteral(" ms"), true, value <= measure.target};
    case Judged::Percent:
        return {QString::number(value, 'f', 1) + QStringLiteral(" %"), true,
                value < measure.target};
    case Judged::MiB:
        return {QString::number(value, 'f', 1) + QStringLiteral(" MiB"), true,
                value < measure.target};
    }
    return {};
}

} // namespace

const QList<Measure>& measures()
{
    static const QList<Measure> all = {
        {"switch-learn", "Program switch: Learn Yoga", Judged::WindowFrame, kWindowMs},
        {"switch-zodiac", "Program switch: Zodiac Yoga", Judged::WindowFrame, kWindowMs},
        {"switch-chakra", "Program switch: Chakra Yoga", Judged::WindowFrame, kWindowMs},
        {"lookup-name", "Lookup by name: an asana's page", Judged::LastFrame, kPageMs},
        {"lookup-bodypart", "Lookup by body part: its asanas and the first one's page",
         Judged::LastFrame, kPageMs},
        {"lookup-bodypart-list", "Lookup by body part: another asana from the list",
         Judged::LastFrame, kPageMs},
        {"lookup-application", "Lookup by application: its asanas and the first one's page",
         Judged::LastFrame, kPageMs},
        {"zodiac-result", "Zodiac result (Next)", Judged::WindowFrame, kWindowMs},
        {"zodiac-report", "Zodiac report (Print in the result)", Judged::WindowFrame, kWindowMs},
        {"chakra-result", "Chakra result (Next after the 56th answer)", Judged::WindowFrame,
         kWindowMs},
        {"find-open", "Find window (Edit > Find...)", Judged::WindowFrame, kWindowMs},
        {"find-first", "Find: first query typed, its slowest key (index built)", Judged::LastFrame,
         kFirstQueryMs},
        {"find-typical", "Find: typical query (last key of six)", Judged::LastFrame, kQueryMs},
        {"journal-0", "Journal (Practice > Journal), empty", Judged::WindowFrame, kWindowMs},
        {"journal-1000", "Journal, 1,000 entries", Judged::WindowFrame, kWindowMs},
        {"journal-50000", "Journal, 50,000 entries", Judged::WindowFrame, kLargeJournalMs},
        {"journal-50000-memory", "Journal, 50,000 entries: resident memory added", Judged::MiB,
         kLargeJournalMiB},
        {"cautions-200", "Cautions window of a 200-pose session", Judged::WindowFrame, kWindowMs},
        {"guide-open", "Breathing guide window", Judged::WindowFrame, kWindowMs},
        {"pdf-export", "PDF export of the longest article", Judged::LastFrame},
        {"breathing-cpu", "Breathing guide playing: CPU of the program", Judged::Percent,
         kBreathingPercent},
        {"breathing-xserver", "Breathing guide playing: CPU of the X server", Judged::Percent},
    };
    return all;
}

void printMeasures(QTextStream& out, const QList<PlatformRuns>& platforms)
{
    out << "| Action |";
    for (const PlatformRuns& runs : platforms)
        out << ' ' << platformName(runs.platform) << " |";
    out << " Target | Result |\n|---|";
    for (qsizetype i = 0; i < platforms.size(); ++i)
        out << "---|";
    out << "---|---|\n";
    for (const Measure& measure : measures()) {
        bool measured = false;
        bool met = true;
        out << "| " << QString::fromUtf8(measure.label) << " |";
        for (const PlatformRuns& runs : platforms) {
            const Cell shown = cell(measure, runs);
            out << ' ' << (shown.measured ? shown.text : QStringLiteral("-")) << " |";
            measured = measured || shown.measured;
            met = met && (!shown.measured || shown.met);
        }
        const bool judged = measure.target > 0 && measured;
        out << ' ' << targetText(measure) << " | " << (judged ? (met ? "PASS" : "OVER") : "")
            << " |\n";
    }
}

} // namespace tarvo::bench
