#include "chakra/ChakraPage.h"

#include "chakra/ChakraResult.h"

namespace tarvo {

namespace {

const QString kCrLf = QStringLiteral("\r\n");

void heading(RichReport& report, const QString& text)
{
    report.setBold(true);
    report.setColour(kResultTeal);
    report.append(text + kCrLf);
}

void paragraph(RichReport& report, const QString& text)
{
    report.setBold(false);
    report.setColour(kResultBlack);
    report.append(text + kCrLf + kCrLf);
}

} // namespace

RichReport chakraPageReport(ChakraId id)
{
    const ChakraInfo& info = chakraInfo(id);
    RichReport report;
    heading(report, info.fullName);
    paragraph(report, info.description);
    heading(report, QStringLiteral("When the ") + info.fullName + QStringLiteral(" is Open"));
    paragraph(report, info.openText);
    heading(report, QStringLiteral("When the ") + info.fullName + QStringLiteral(" is OverActive"));
    paragraph(report, info.overActiveText);
    heading(report,
            QStringLiteral("When the ") + info.fullName + QStringLiteral(" is UnderActive"));
    paragraph(report, info.underActiveText);
    heading(report, QStringLiteral("To open ") + info.shortName + QStringLiteral(" Chakra"));
    report.setBold(false);
    report.setColour(kResultBlack);
    report.append(openingInstructions(info));
    return report;
}

RichReport chakraIntroductionReport()
{
    RichReport report;
    heading(report, QStringLiteral("Chakras"));
    paragraph(report, chakraIntroduction());
    return report;
}

} // namespace tarvo
