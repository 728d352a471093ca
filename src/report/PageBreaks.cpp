#include "report/PageBreaks.h"

#include <QAbstractTextDocumentLayout>
#include <QTextBlock>
#include <QTextDocument>
#include <QTextFrame>
#include <QTextLayout>
#include <algorithm>

namespace tarvo {

namespace {

// Layout rounding must not push a line that fits exactly onto the next page.
constexpr double kSlack = 0.01;

bool isHeading(const QTextBlock& block)
{
    if (block.text().trimmed().isEmpty())
        return false;
    for (auto it = block.begin(); !it.atEnd(); ++it) {
        const QTextFragment fragment = it.fragment();
        if (!fragment.text().trimmed().isEmpty()
            && fragment.charFormat().fontWeight() < QFont::Bold)
            return false;
    }
    return true;
}

void addFrames(const QTextFrame& frame, const QAbstractTextDocumentLayout& layout,
               QList<FlowLine>& lines, int& number)
{
    for (const QTextFrame* child : frame.childFrames()) {
        const QRectF rect = layout.frameBoundingRect(const_cast<QTextFrame*>(child));
        lines.append({rect.top(), rect.bottom(), number++, false, false});
    }
}

// The first line at or after `from` that does not fit above limit; lines.size() if all fit.
qsizetype firstOverflowing(const QList<FlowLine>& lines, qsizetype from, double limit)
{
    for (qsizetype i = from; i < lines.size(); ++i) {
        if (!lines[i].blank && lines[i].bottom > limit + kSlack)
            return i;
    }
    return lines.size();
}

// Moves a break before line `at` up above any heading that would otherwise end the page.
qsizetype keepHeadingsWithText(const QList<FlowLine>& lines, qsizetype pageFirst, qsizetype at)
{
    qsizetype cut = at;
    for (;;) {
        qsizetype before = cut - 1;
        while (before >= pageFirst && lines[before].blank)
            --before;
        if (before < pageFirst || !lines[before].heading)
            return cut;
        qsizetype headingStart = before;
        while (headingStart > pageFirst && lines[headingStart - 1].block == lines[before].block)
            --headingStart;
        if (headingStart <= pageFirst)
            return at;
        cut = headingStart;
    }
}

} // namespace

QList<FlowLine> flowLines(const QTextDocument& document)
{
    const QAbstractTextDocumentLayout& layout = *document.documentLayout();
    QList<FlowLine> lines;
    int number = 0;
    for (QTextBlock block = document.begin(); block.isValid(); block = block.next(), ++number) {
        // Blocks inside a frame go with the frame, which is added whole below.
        if (document.frameAt(block.position()) != document.rootFrame())
            continue;
        const QTextLayout* text = block.layout();
        const QRectF rect = layout.blockBoundingRect(block);
        const double origin = rect.top() - text->boundingRect().top();
        const bool heading = isHeading(block);
        const bool blank = block.text().trimmed().isEmpty();
        for (int i = 0; i < text->lineCount(); ++i) {
            const QTextLine line = text->lineAt(i);
            lines.append(
                {origin + line.y(), origin + line.y() + line.height(), number, heading, blank});
        }
    }
    addFrames(*document.rootFrame(), layout, lines, number);
    std::stable_sort(lines.begin(), lines.end(),
                     [](const FlowLine& a, const FlowLine& b) { return a.top < b.top; });
    return lines;
}

QList<double> pageStarts(const QList<FlowLine>& lines, double pageHeight)
{
    QList<double> starts = {0};
    if (pageHeight <= 0)
        return starts;
    double pageTop = 0;
    qsizetype first = 0;
    for (;;) {
        const qsizetype over = firstOverflowing(lines, first, pageTop + pageHeight);
        if (over == lines.size())
            return starts;
        if (over == first || lines[over].top <= pageTop) {
            // A line taller than a page: cut it where the page ends.
            pageTop += pageHeight;
            starts.append(pageTop);
            while (first < lines.size() && lines[first].bottom <= pageTop)
                ++first;
            continue;
        }
        qsizetype next = keepHeadingsWithText(lines, first, over);
        while (next < lines.size() && lines[next].blank)
            ++next;
        if (next == lines.size())
            return starts;
        pageTop = lines[next].top;
        starts.append(pageTop);
        first = next;
    }
}

} // namespace tarvo
