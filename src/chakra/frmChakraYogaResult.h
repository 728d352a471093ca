#pragma once

#include "chakra/ChakraTestSession.h"
#include "platform/AppContext.h"

#include <QWidget>

#include <memory>

namespace tarvo {

class ChakraChart;
class RichTextBox;

// The outcome of one test: the score chart and the explanation of every chosen chakra.
class frmChakraYogaResult final : public QWidget {
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(frmChakraYogaResult)

public:
    frmChakraYogaResult(const AppContext& context, std::shared_ptr<ChakraTestSession> session,
                        QWidget* parent = nullptr);

    QSize sizeHint() const override;

    void cmdYogaChakra_Click();
    void cmdBack_Click();

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    AppContext m_context;
    std::shared_ptr<ChakraTestSession> m_session;
    ChakraChart* m_chart;
    RichTextBox* m_rtb;
};

// The selection window as the user left it, or a fresh one when it is gone.
void showChakraSelection(const AppContext& context);

} // namespace tarvo
