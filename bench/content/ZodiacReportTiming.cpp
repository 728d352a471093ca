#include "content/ContentTiming.h"
#include "content/Timing.h"

#include "platform/AppContext.h"
#include "report/RichTextBox.h"
#include "zodiac/SunSign.h"
#include "zodiac/ZodiacReport.h"
#include "zodiac/frmZodiacYogaSave.h"

#include <QCoreApplication>

namespace tarvo::bench {

namespace {

// A birth date the input window turns into sign.
ZodiacReading readingFor(SunSign sign)
{
    const QStringList months = monthNames();
    for (int month = 0; month < 12; ++month) {
        for (int day = 0; day < 28; ++day) {
            if (DetermineSunSign(month, day) == sign)
                return {QStringLiteral("Maya Lindqvist"), qint16(day + 1), months[month],
                        qint16(1990), sign};
        }
    }
    return {};
}

SunSign largestReportSign()
{
    SunSign largest = SunSign::Aries;
    qsizetype largestLength = -1;
    for (int i = 0; i < kSunSignCount; ++i) {
        const auto sign = SunSign(i);
        const qsizetype length =
            buildZodiacReport(readingFor(sign), zodiacDisplayFields(sign)).plainText().size();
        if (length > largestLength) {
            largest = sign;
            largestLength = length;
        }
    }
    return largest;
}

} // namespace

ContentTiming zodiacReportTiming(const AppContext& context, int runs)
{
    const SunSign sign = largestReportSign();
    const ZodiacReading reading = readingFor(sign);
    // The fields come from the result window, which has them on screen before the report opens.
    const ZodiacDisplayFields fields = zodiacDisplayFields(sign);
    frmZodiacYogaSave window(context, reading, fields);
    window.show();
    QCoreApplication::processEvents();
    auto* box = window.findChild<RichTextBox*>(QStringLiteral("RTB"));
    return {signName(sign) + QStringLiteral(" Zodiac report"),
            warmTimesMs([&] {
                box->setReport(buildZodiacReport(reading, fields));
                layOutAndPaint(*box);
            }, runs)};
}

} // namespace tarvo::bench
