#include "report/RichTextRenderer.h"

#include "platform/ZoomSteps.h"
#include "report/Palette.h"
#include "report/RichReport.h"
#include "report/WebAddress.h"

#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>

namespace tarvo {

namespace {

const QString kLineBreak = QStringLiteral("\r\n");

QTextCharFormat charFormat(const RichAttributes& attributes, int zoomPercent)
{
    QTextCharFormat format;
    format.setFontWeight(attributes.bold ? QFont::Bold : QFont::Normal);
    format.setFontUnderline(attributes.underline);
    format.setFontPointSize(scaledFontSize(attributes.fontSize, zoomPercent));
    if (attributes.colour != kDefaultColour)
        format.setForeground(paletteColour(attributes.colour));
    return format;
}

void setAlignment(QTextCursor& cursor, Alignment alignment)
{
    QTextBlockFormat block;
    block.setAlignment(alignment == Alignment::Centre ? Qt::AlignHCenter : Qt::AlignLeft);
    cursor.mergeBlockFormat(block);
}

// Qt turns a bare LF into a paragraph break; only CR LF may break a line here.
QString withoutStrayBreaks(QString text)
{
    text.replace(QLatin1Char('\r'), QLatin1Char(' '));
    text.replace(QLatin1Char('\n'), QLatin1Char(' '));
    return text;
}

void markWebAddresses(QTextDocument& document)
{
    QTextCharFormat link;
    link.setAnchor(true);
    link.setFontUnderline(true);
    link.setForeground(paletteColour(9));
    for (QTextBlock block = document.begin(); block.isValid(); block = block.next()) {
        const QString text = block.text();
        for (const TextSpan& span : findWebAddresses(text)) {
            QTextCursor cursor(&document);
            cursor.setPosition(block.position() + int(span.start));
            cursor.setPosition(block.position() + int(span.start + span.length),
                               QTextCursor::KeepAnchor);
            link.setAnchorHref(text.mid(span.start, span.length));
            cursor.mergeCharFormat(link);
        }
    }
}

} // namespace

void renderRichReport(const RichReport& report, QTextDocument& document, bool detectLinks,
                      int zoomPercent)
{
    document.clear();
    QTextCursor cursor(&document);
    cursor.beginEditBlock();
    for (const RichRun& run : report.runs()) {
        const QTextCharFormat format = charFormat(run.attributes, zoomPercent);
        setAlignment(cursor, run.attributes.alignment);
        const QStringList lines = run.text.split(kLineBreak);
        for (qsizetype i = 0; i < lines.size(); ++i) {
            if (i > 0)
                cursor.insertBlock(cursor.blockFormat(), format);
            if (!lines[i].isEmpty())
                cursor.insertText(withoutStrayBreaks(lines[i]), format);
        }
        cursor.setCharFormat(format);
    }
    cursor.endEditBlock();
    if (detectLinks)
        markWebAddresses(document);
}

} // namespace tarvo
