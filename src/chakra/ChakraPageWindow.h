#pragma once

#include "report/PrintableView.h"
#include "shell/ProgramWindow.h"

#include <QWidget>

namespace tarvo {

class RichTextBox;

// A chakra text read on its own, outside a test: Back leads to the chakra selection.
class ChakraPageWindow final : public ProgramWindow, public PrintableView {
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(ChakraPageWindow)

public:
    ChakraPageWindow(const AppContext& context, const PrintablePage& page,
                     QWidget* parent = nullptr);

    QSize sizeHint() const override;
    std::optional<PrintablePage> printablePage() const override;

    RichTextBox& richTextBox() const { return *m_text; }
    void backToSelection();

private:
    QString m_title;
    RichTextBox* m_text;
};

} // namespace tarvo
