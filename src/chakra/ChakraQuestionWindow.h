#pragma once

#include "chakra/ChakraQuestionnaire.h"
#include "shell/ProgramWindow.h"

#include <QWidget>
#include <memory>

class QLabel;
class QPlainTextEdit;
class QRadioButton;

class QLayout;
class QMenuBar;

namespace tarvo {

// Asks the chosen chakras' questions one at a time and, after the last, shows the result.
class ChakraQuestionWindow final : public ProgramWindow {
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(ChakraQuestionWindow)

public:
    ChakraQuestionWindow(const AppContext& context, std::shared_ptr<ChakraTestSession> session,
                         QWidget* parent = nullptr);

    QSize sizeHint() const override;

    void showNextQuestion();
    void showPreviousQuestion();

private:
    QMenuBar* buildMenus();
    QLayout* buildAnswerOptions();
    ChakraAnswer selectedAnswer() const;
    void showStep(const ChakraQuestionnaire::Step& step);
    void finish();

    std::shared_ptr<ChakraTestSession> m_session;
    ChakraQuestionnaire m_questionnaire;
    QLabel* m_number;
    QPlainTextEdit* m_question;
    std::array<QRadioButton*, 3> m_options{};
};

} // namespace tarvo
