#pragma once

#include "chakra/ChakraTestSession.h"
#include "report/PrintableView.h"
#include "shell/ProgramWindow.h"

#include <QWidget>
#include <memory>

namespace tarvo {

class ChakraChart;
class RichTextBox;

// The outcome of one test: the score chart and the explanation of every chosen chakra.
class ChakraResultWindow final : public ProgramWindow, public PrintableView {
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(ChakraResultWindow)

public:
    ChakraResultWindow(const AppContext& context, std::shared_ptr<ChakraTestSession> session,
                       QWidget* parent = nullptr);

    QSize sizeHint() const override;
    // The chart above the result text.
    std::optional<PrintablePage> printablePage() const override;

    void showRecommendedAsanas();
    void backToSelection();

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    std::shared_ptr<ChakraTestSession> m_session;
    ChakraChart* m_chart;
    RichTextBox* m_text;
};

// The selection window as the user left it, or a fresh one when it is gone.
void showChakraSelection(const AppContext& context);

} // namespace tarvo
