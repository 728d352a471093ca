#include "report/RichTextBox.h"

#include "platform/Desktop.h"
#include "report/RichTextRenderer.h"
#include "report/WebAddress.h"

#include <QMouseEvent>
#include <QPrinter>

namespace tarvo {

RichTextBox::RichTextBox(Desktop& desktop, QWidget* parent)
    : QTextEdit(parent)
    , m_desktop(desktop)
{
    setReadOnly(true);
    setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);
    // Reachable for reading and copying, but Tab moves on instead of being swallowed.
    setTabChangesFocus(true);
    document()->setDefaultFont(QFont(QStringLiteral("Verdana"), 9));
    viewport()->setMouseTracking(true);
}

void RichTextBox::setReport(const RichReport& report)
{
    m_report = report;
    render();
}

void RichTextBox::enableLinkDetection()
{
    if (m_linkDetection)
        return;
    m_linkDetection = true;
    render();
}

void RichTextBox::disableLinkDetection()
{
    if (!m_linkDetection)
        return;
    m_linkDetection = false;
    render();
}

void RichTextBox::render()
{
    renderRichReport(m_report, *document(), m_linkDetection);
    moveCursor(QTextCursor::Start);
}

void RichTextBox::printReport()
{
    QPrinter printer(QPrinter::HighResolution);
    const bool hasSelection = textCursor().hasSelection();
    if (!m_desktop.setUpPrinter(this, printer, hasSelection))
        return;
    // QTextEdit::print prints only the selection when the print range asks for it.
    if (!hasSelection)
        printer.setPrintRange(QPrinter::AllPages);
    print(&printer);
}

void RichTextBox::mousePressEvent(QMouseEvent* event)
{
    if (m_linkDetection && event->button() == Qt::LeftButton) {
        const QString href = anchorAt(event->position().toPoint());
        if (!href.isEmpty()) {
            if (const auto url = linkTarget(href))
                m_desktop.openUrl(*url);
            event->accept();
            return;
        }
    }
    QTextEdit::mousePressEvent(event);
}

void RichTextBox::mouseMoveEvent(QMouseEvent* event)
{
    const bool overLink = m_linkDetection && !anchorAt(event->position().toPoint()).isEmpty();
    viewport()->setCursor(overLink ? Qt::PointingHandCursor : Qt::IBeamCursor);
    QTextEdit::mouseMoveEvent(event);
}

} // namespace tarvo
