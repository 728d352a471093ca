#include "report/RichTextBox.h"

#include "platform/Desktop.h"
#include "report/RichTextRenderer.h"
#include "report/WebAddress.h"

#include <QPrinter>
#include <QScrollBar>
#include <QTextDocumentFragment>

namespace tarvo {

namespace {

constexpr double kDefaultPointSize = 9;

QFont defaultFont(int zoomPercent)
{
    QFont font(QStringLiteral("Verdana"));
    font.setPointSizeF(scaledFontSize(kDefaultPointSize, zoomPercent));
    return font;
}

} // namespace

RichTextBox::RichTextBox(Desktop& desktop, QWidget* parent)
    : QTextBrowser(parent)
    , m_desktop(desktop)
{
    // Links go to the user's browser, never into this box.
    setOpenLinks(false);
    setOpenExternalLinks(false);
    // Reachable for reading and copying; Tab moves on to the links, then out of the box.
    setTabChangesFocus(true);
    setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);
    document()->setDefaultFont(defaultFont(m_zoomPercent));
    connect(this, &QTextBrowser::anchorClicked, this, [this](const QUrl& href) {
        if (!m_linkDetection)
            return;
        if (const auto url = linkTarget(href.toString()))
            m_desktop.openUrl(*url);
    });
}

void RichTextBox::setReport(const RichReport& report)
{
    m_report = report;
    // A found word marked in the old text must not stay marked at its place in the new one.
    setExtraSelections({});
    render();
    moveCursor(QTextCursor::Start);
}

void RichTextBox::enableLinkDetection()
{
    if (m_linkDetection)
        return;
    m_linkDetection = true;
    render();
    moveCursor(QTextCursor::Start);
}

void RichTextBox::disableLinkDetection()
{
    if (!m_linkDetection)
        return;
    m_linkDetection = false;
    render();
    moveCursor(QTextCursor::Start);
}

void RichTextBox::setZoomPercent(int percent)
{
    if (percent == m_zoomPercent)
        return;
    // The text is the same at every size, so positions in it survive the new layout. The top
    // pixel row would belong to the line above when a line starts exactly there.
    const int top = cursorForPosition(QPoint(0, 1)).position();
    const QTextCursor kept = textCursor();
    const int anchor = kept.anchor();
    const int position = kept.position();

    m_zoomPercent = percent;
    document()->setDefaultFont(defaultFont(percent));
    render();

    QTextCursor selection(document());
    selection.setPosition(anchor);
    selection.setPosition(position, QTextCursor::KeepAnchor);
    setTextCursor(selection);
    QTextCursor topLine(document());
    topLine.setPosition(top);
    QScrollBar* scroll = verticalScrollBar();
    scroll->setValue(scroll->value() + cursorRect(topLine).top());
}

void RichTextBox::render()
{
    const Qt::TextInteractionFlags reading =
        Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard;
    setTextInteractionFlags(m_linkDetection ? reading | Qt::LinksAccessibleByMouse
                                                  | Qt::LinksAccessibleByKeyboard
                                            : reading);
    renderRichReport(m_report, *document(), m_linkDetection, m_zoomPercent);
}

void RichTextBox::printReport()
{
    QPrinter printer(QPrinter::HighResolution);
    const QTextCursor shown = textCursor();
    const bool hasSelection = shown.hasSelection();
    if (!m_desktop.setUpPrinter(this, printer, hasSelection))
        return;
    QTextDocument paper;
    paper.setDefaultFont(defaultFont(kActualSize));
    paper.setDocumentMargin(document()->documentMargin());
    renderRichReport(m_report, paper, m_linkDetection, kActualSize);
    if (hasSelection && printer.printRange() == QPrinter::Selection) {
        QTextCursor part(&paper);
        part.setPosition(shown.anchor());
        part.setPosition(shown.position(), QTextCursor::KeepAnchor);
        const QTextDocumentFragment selected = part.selection();
        paper.clear();
        QTextCursor(&paper).insertFragment(selected);
    }
    paper.print(&printer);
}

} // namespace tarvo
