#pragma once

#include <QList>

class QTextDocument;

namespace tarvo {

// One line of laid-out text (or a picture) in document coordinates, in document order.
struct FlowLine {
    double top = 0;
    double bottom = 0;
    int block = 0;        // the lines of one block share the number
    bool heading = false; // kept on the page of the first line of the next non-blank block
    bool blank = false;   // no text: never decides a break and never starts a page
};

// The lines of every block, and each floating or placed frame as one line that is never split.
// A heading is a block whose every character is bold, as the writers set headings.
QList<FlowLine> flowLines(const QTextDocument& document);

// Where each page starts, the first at 0. A page ends at a line boundary; a heading (or a run
// of headings) that would end a page moves to the next one with the text it introduces, unless
// that would leave its page empty. Blank lines at the top of a page are skipped.
QList<double> pageStarts(const QList<FlowLine>& lines, double pageHeight);

} // namespace tarvo
