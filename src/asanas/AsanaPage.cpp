#include "asanas/AsanaPage.h"

#include "asanas/AsanaCatalogue.h"
#include "asanas/PoseFacts.h"
#include "report/RichReport.h"

namespace tarvo {

namespace {

enum Colour { Black = 0, Purple = 5 };

const QString kLine = QStringLiteral("\r\n");
const QString kParagraph = QStringLiteral("\r\n\r\n");

void heading(RichReport& report, const QString& text)
{
    report.setBold(true);
    report.setColour(Purple);
    report.append(text);
}

void bodyStyle(RichReport& report)
{
    report.setBold(false);
    report.setColour(Black);
}

void body(RichReport& report, const QString& text)
{
    bodyStyle(report);
    report.append(text);
}

} // namespace

void writeAsanaPage(RichReport& report, const AsanaRecord& record)
{
    report.clear();
    report.setFontSize(14.0);
    report.setAlignment(Alignment::Centre);
    heading(report, record.name + kParagraph);
    report.setAlignment(Alignment::Left);
    bodyStyle(report);

    heading(report, QStringLiteral("Description: ") + kLine);
    body(report, record.description + kParagraph);
    heading(report, QStringLiteral("English Name: "));
    body(report, record.englishName + kParagraph);
    heading(report, QStringLiteral("Procedure: ") + kLine);
    body(report, record.procedure + kParagraph);
    heading(report, QStringLiteral("Benefits: ") + kLine);
    body(report, record.benefits + kParagraph);
    if (!record.contradictions.isEmpty()) {
        heading(report, QStringLiteral("Contradictions: ") + kLine);
        body(report, record.contradictions + kParagraph);
    }

    const PoseFacts* facts = poseFacts(record.name);
    if (!facts)
        return;
    heading(report, QStringLiteral("Make it easier: ") + kLine);
    body(report, facts->easier + kParagraph);
    heading(report, QStringLiteral("Level: "));
    QString level = levelName(facts->level);
    level[0] = level[0].toUpper();
    body(report, level);
}

} // namespace tarvo
