#pragma once

#include "platform/ZoomSteps.h"
#include "platform/ZoomableText.h"
#include "report/RichReport.h"

#include <QTextBrowser>

namespace tarvo {

class Desktop;

// The read-only rich-text box of every viewer: shows a RichReport, opens web addresses in the
// browser while link detection is on (by mouse, or by Tab and Enter), and prints.
class RichTextBox final : public QTextBrowser, public ZoomableText {
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(RichTextBox)

public:
    explicit RichTextBox(Desktop& desktop, QWidget* parent = nullptr);

    void setReport(const RichReport& report);
    const RichReport& report() const { return m_report; }

    void enableLinkDetection();
    void disableLinkDetection();
    bool linkDetection() const { return m_linkDetection; }

    // Shows the text at the zoom; the passage at the top of the box and the selection stay.
    void setZoomPercent(int percent) override;
    int zoomPercent() const { return m_zoomPercent; }

    // The printer dialog, then the selection if there is one, else the whole text, on paper at
    // the size it was written at whatever the zoom on screen.
    void printReport();

private:
    void render();

    Desktop& m_desktop;
    RichReport m_report;
    bool m_linkDetection = false;
    int m_zoomPercent = kActualSize;
};

} // namespace tarvo
