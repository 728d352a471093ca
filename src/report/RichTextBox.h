#pragma once

#include "report/RichReport.h"

#include <QTextBrowser>

namespace tarvo {

class Desktop;

// The read-only rich-text box of every viewer: shows a RichReport, opens web addresses in the
// browser while link detection is on (by mouse, or by Tab and Enter), and prints.
class RichTextBox final : public QTextBrowser {
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(RichTextBox)

public:
    explicit RichTextBox(Desktop& desktop, QWidget* parent = nullptr);

    void setReport(const RichReport& report);
    const RichReport& report() const { return m_report; }

    void enableLinkDetection();
    void disableLinkDetection();
    bool linkDetection() const { return m_linkDetection; }

    // The printer dialog, then the selection if there is one, else the whole text.
    void printReport();

private:
    void render();

    Desktop& m_desktop;
    RichReport m_report;
    bool m_linkDetection = false;
};

} // namespace tarvo
