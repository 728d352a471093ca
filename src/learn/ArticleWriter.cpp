#include "learn/ArticleWriter.h"

#include "report/RichReport.h"

namespace tarvo {

namespace {

enum Colour { Black = 0, Green = 2, Magenta = 5 };

const QString kLine = QStringLiteral("\r\n");
const QString kParagraph = QStringLiteral("\r\n\r\n");

} // namespace

RichReport articleViewerReport()
{
    RichAttributes initial;
    initial.colour = Black;
    initial.fontSize = 9.0;
    return RichReport(initial);
}

void writeBlock(RichReport& report, const ArticleBlock& block, bool last)
{
    switch (block.style) {
    case BlockStyle::ArticleTitle:
        report.setBold(true);
        report.setColour(Magenta);
        report.setFontSize(14.0);
        report.setAlignment(Alignment::Centre);
        report.append(block.text + kParagraph);
        report.setAlignment(Alignment::Left);
        report.setBold(false);
        report.setColour(Black);
        break;
    case BlockStyle::SubHeading:
        report.setBold(true);
        report.setColour(Magenta);
        report.append(block.text + (block.blankLine ? kParagraph : kLine));
        report.setBold(false);
        break;
    case BlockStyle::LeadLine:
        report.setBold(true);
        report.setUnderline(true);
        report.setColour(Green);
        report.append(block.text + kParagraph);
        report.setUnderline(false);
        report.setBold(false);
        break;
    case BlockStyle::BodyText:
        report.append(last ? block.text : block.text + kParagraph);
        break;
    }
}

void writeArticle(RichReport& report, const Article& article)
{
    report.clear();
    writeBlock(report, {BlockStyle::ArticleTitle, article.title, false}, false);
    for (qsizetype i = 0; i < article.blocks.size(); ++i)
        writeBlock(report, article.blocks[i], i == article.blocks.size() - 1);
}

} // namespace tarvo
