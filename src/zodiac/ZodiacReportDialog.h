#pragma once

#include "shell/AppContext.h"
#include "zodiac/ZodiacReading.h"
#include "zodiac/ZodiacReport.h"

#include <QDialog>

namespace tarvo {

class RichTextBox;

// The report of the current reading: shown, printed, or its request saved as a record file.
class ZodiacReportDialog final : public QDialog {
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(ZodiacReportDialog)

public:
    // The report is written once, here, from the reading and the result window's texts.
    ZodiacReportDialog(const AppContext& context, const ZodiacReading& reading,
                       const ZodiacDisplayFields& fields, QWidget* parent = nullptr);
    ~ZodiacReportDialog() override;

    void saveReading();
    void printReport();
    // The report as a PDF file, laid out in pages like a print.
    void exportPdf();
    RichTextBox& richTextBox() const { return *m_text; }

protected:
    void showEvent(QShowEvent* event) override;

private:
    void stopLinkDetection();

    AppContext m_context;
    ZodiacReading m_reading;
    RichTextBox* m_text = nullptr;
    bool m_placed = false;
};

} // namespace tarvo
