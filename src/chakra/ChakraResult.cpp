#include "chakra/ChakraResult.h"

namespace tarvo {

namespace {

const QString kCrLf = QStringLiteral("\r\n");

void appendRun(RichReport& report, bool bold, int colour, const QString& text)
{
    report.setBold(bold);
    report.setColour(colour);
    report.append(text);
}

} // namespace

int chartPercent(int score)
{
    // Twice the percentage is a whole number, so the halves can be told apart exactly.
    const int twice = score * 25;
    const int whole = twice / 2;
    if (twice % 2 == 0)
        return whole;
    return whole % 2 == 0 ? whole : whole + 1;
}

ChakraBar chakraBar(ChakraId id, int score)
{
    ChakraBar bar;
    bar.leftTwips = kBarLeft + kBarPitch * int(id);
    if (score <= 0)
        return bar;
    bar.visible = true;
    bar.percent = chartPercent(score);
    bar.heightTwips = bar.percent * double(kBarFullHeight) / 100.0;
    bar.topTwips = kBarFullHeight - bar.heightTwips;
    return bar;
}

RichReport chakraResultReport(const ChakraTestSession& session)
{
    RichReport report;
    for (int k = 0; k < kChakraCount; ++k) {
        if (!session.selected[std::size_t(k)])
            continue;
        const ChakraInfo& info = chakraInfo(ChakraId(k));
        const int score = session.scores[std::size_t(k)];
        appendRun(report, true, kResultTeal, info.fullName + kCrLf);
        appendRun(report, false, kResultBlack, info.description + kCrLf + kCrLf);
        switch (chakraStateForScore(score)) {
        case ChakraState::OverActive:
            appendRun(report, true, kResultTeal,
                      QStringLiteral("Your ") + info.fullName + QStringLiteral(" is OverActive")
                          + kCrLf);
            appendRun(report, false, kResultBlack, info.overActiveText + kCrLf + kCrLf);
            appendRun(report, true, kResultBlack, openingHeading(info));
            appendRun(report, false, kResultBlack, openingInstructions(info));
            break;
        case ChakraState::Open:
            appendRun(report, true, kResultTeal,
                      QStringLiteral("Your ") + info.fullName + QStringLiteral(" is Open") + kCrLf);
            appendRun(report, false, kResultBlack, info.openText + kCrLf + kCrLf);
            break;
        case ChakraState::UnderActive:
            appendRun(report, true, kResultTeal,
                      QStringLiteral("Your ") + info.fullName + QStringLiteral(" is UnderActive")
                          + kCrLf);
            appendRun(report, false, kResultBlack, info.underActiveText + kCrLf + kCrLf);
            appendRun(report, true, kResultMaroon, openingHeading(info));
            appendRun(report, false, kResultMaroon, openingInstructions(info));
            break;
        }
    }
    return report;
}

} // namespace tarvo
