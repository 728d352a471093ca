#pragma once

#include "report/RichReport.h"

#include <QTextEdit>

namespace tarvo {

class Desktop;

// The read-only rich-text box of every viewer: shows a RichReport, opens web addresses on a
// left press while link detection is on, and prints.
class RichTextBox final : public QTextEdit {
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

protected:
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;

private:
    void render();

    Desktop& m_desktop;
    RichReport m_report;
    bool m_linkDetection = false;
};

} // namespace tarvo
