#include "report/RichTextBox.h"

#include "platform/Desktop.h"
#include "report/RichTextRenderer.h"
#include "report/WebAddress.h"

#include <QPrinter>

namespace tarvo {

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
    document()->setDefaultFont(QFont(QStringLiteral("Verdana"), 9));
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
    const Qt::TextInteractionFlags reading =
        Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard;
    setTextInteractionFlags(m_linkDetection ? reading | Qt::LinksAccessibleByMouse
                                                  | Qt::LinksAccessibleByKeyboard
                                            : reading);
    // A found word marked in the old text must not stay marked at its place in the new one.
    setExtraSelections({});
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

} // namespace tarvo
