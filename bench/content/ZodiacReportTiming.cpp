#include "content/ContentTiming.h"
#include "content/Timing.h"
#include "report/RichTextBox.h"
#include "shell/AppContext.h"
#include "zodiac/SunSign.h"
#include "zodiac/ZodiacReport.h"
#include "zodiac/ZodiacReportDialog.h"

#include <QCoreApplication>

namespace tarvo::bench {

namespace {

// A birth date the input window turns into sign.
ZodiacReading readingFor(SunSign sign)
{
    const QStringList months = monthNames();
    for (int month = 0; month < 12; ++month) {
        for (int day = 0; day < 28; ++day) {
            if (determineSunSign(month, day) == sign)
                return {QStringLiteral("Maya Lindqvist"), qint16(day + 1), months[month],
                        qint16(1990), sign};
        }
    }
    return {};
}

} // namespace

ContentTiming zodiacReportTiming(const AppContext& context, int runs)
{
    // One of the two largest reports; Capricorn's text is about 5% longer.
    const SunSign sign = SunSign::Pisces;
    const ZodiacReading reading = readingFor(sign);
    // The fields come from the result window, which has them on screen before the report opens.
    const ZodiacDisplayFields fields = zodiacDisplayFields(sign);
    ZodiacReportDialog window(context, reading, fields);
    window.show();
    QCoreApplication::processEvents();
    auto* box = window.findChild<RichTextBox*>(QStringLiteral("RTB"));
    return {signName(sign) + QStringLiteral(" Zodiac report"),
            warmTimesMs(
                [&] {
                    box->setReport(buildZodiacReport(reading, fields));
                    layOutAndPaint(*box);
                },
                runs)};
}

} // namespace tarvo::bench
