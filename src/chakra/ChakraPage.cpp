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

PrintablePage chakraPage(ChakraId id)
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
    return {info.fullName, report, std::nullopt};
}

PrintablePage chakraIntroductionPage()
{
    const QString title = QStringLiteral("Chakras");
    RichReport report;
    heading(report, title);
    paragraph(report, chakraIntroduction());
    return {title, report, std::nullopt};
}

} // namespace tarvo
