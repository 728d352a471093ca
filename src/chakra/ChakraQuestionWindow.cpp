#include "chakra/ChakraQuestionWindow.h"

#include "chakra/ChakraForms.h"
#include "chakra/ChakraResultWindow.h"
#include "platform/Twips.h"
#include "shell/HelpMenu.h"
#include "shell/ProgramWindow.h"

#include <QButtonGroup>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QMenuBar>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

namespace tarvo {

ChakraQuestionWindow::ChakraQuestionWindow(const AppContext& context,
                                           std::shared_ptr<ChakraTestSession> session,
                                           QWidget* parent)
    : ProgramWindow(context, parent)
    , m_session(std::move(session))
    , m_questionnaire(*m_session)
    , m_number(new QLabel(this))
    , m_question(new QPlainTextEdit(this))
{
    setObjectName(QStringLiteral("frmChakraYogaQuestions"));
    setWindowTitle(kChakraCaption);

    auto* remember = new QLabel(
        QStringLiteral("Remember to answer each question as truthfully as you can."), this);
    remember->setObjectName(QStringLiteral("Label1"));
    remember->setWordWrap(true);

    auto* frame = new QGroupBox(this);
    frame->setObjectName(QStringLiteral("Frame1"));
    auto* frameLayout = new QHBoxLayout(frame);
    m_number->setObjectName(QStringLiteral("lblQNo"));
    QFont bold = m_number->font();
    bold.setBold(true);
    m_number->setFont(bold);
    frameLayout->addWidget(m_number);

    m_question->setObjectName(QStringLiteral("txtQuestions"));
    m_question->setReadOnly(true);
    m_question->setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);
    m_question->setTabChangesFocus(true);
    m_question->setAccessibleName(QStringLiteral("Question"));
    m_question->setFixedHeight(m_question->fontMetrics().lineSpacing() * 3 + 14);

    QLayout* options = buildAnswerOptions();

    auto* back = new QPushButton(QStringLiteral("<< &Back"), this);
    back->setObjectName(QStringLiteral("cmdBack"));
    connect(back, &QPushButton::clicked, this, &ChakraQuestionWindow::showPreviousQuestion);
    auto* next = new QPushButton(QStringLiteral("&Next >>"), this);
    next->setObjectName(QStringLiteral("cmdNext"));
    next->setDefault(true);
    connect(next, &QPushButton::clicked, this, &ChakraQuestionWindow::showNextQuestion);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch(1);
    buttons->addWidget(back);
    buttons->addWidget(next);

    auto* layout = new QVBoxLayout(this);
    layout->setMenuBar(buildMenus());
    layout->setContentsMargins(16, 12, 16, 12);
    layout->setSpacing(10);
    layout->addWidget(remember);
    layout->addWidget(frame);
    layout->addWidget(m_question);
    layout->addLayout(options);
    layout->addStretch(1);
    layout->addLayout(buttons);
    layout->addWidget(chakraPromotionFrame(m_context, this));

    fillAskedLists(*m_session);
    showStep({});
}

QMenuBar* ChakraQuestionWindow::buildMenus()
{
    auto* bar = new QMenuBar(this);
    QMenu* file = bar->addMenu(QStringLiteral("&File"));
    file->setObjectName(QStringLiteral("mnuFile"));
    file->addAction(QStringLiteral("&Next"), this, &ChakraQuestionWindow::showNextQuestion)
        ->setObjectName(QStringLiteral("mnuNext"));
    file->addAction(QStringLiteral("&Back"), this, &ChakraQuestionWindow::showPreviousQuestion)
        ->setObjectName(QStringLiteral("mnuBack"));
    addHelpMenu(*bar, m_context,
                {.visit = QStringLiteral("&Visit us Online"),
                 .update = QStringLiteral("&Check for Software Update")});
    return bar;
}

QLayout* ChakraQuestionWindow::buildAnswerOptions()
{
    auto* group = new QButtonGroup(this);
    auto* options = new QHBoxLayout;
    const QStringList captions = {QStringLiteral("&Yes"), QStringLiteral("N&o"),
                                  QStringLiteral("Not &Sure")};
    for (int i = 0; i < 3; ++i) {
        auto* option = new QRadioButton(captions[i], this);
        option->setObjectName(QStringLiteral("optAnswer_%1").arg(i));
        group->addButton(option, i);
        options->addWidget(option);
        m_options[std::size_t(i)] = option;
    }
    options->addStretch(1);
    m_options[0]->setChecked(true);
    return options;
}

QSize ChakraQuestionWindow::sizeHint() const
{
    return QSize(twipsToPixels(6420), twipsToPixels(4110)).expandedTo(minimumSizeHint());
}

ChakraAnswer ChakraQuestionWindow::selectedAnswer() const
{
    if (m_options[0]->isChecked())
        return ChakraAnswer::Yes;
    if (m_options[1]->isChecked())
        return ChakraAnswer::No;
    return ChakraAnswer::NotSure;
}

void ChakraQuestionWindow::showStep(const ChakraQuestionnaire::Step& step)
{
    m_number->setText(m_questionnaire.label());
    m_question->setPlainText(m_questionnaire.questionText());
    if (step.options)
        m_options[std::size_t(*step.options)]->setChecked(true);
}

void ChakraQuestionWindow::showNextQuestion()
{
    const ChakraQuestionnaire::Step step = m_questionnaire.next(selectedAnswer());
    if (step.finished)
        finish();
    else
        showStep(step);
}

void ChakraQuestionWindow::showPreviousQuestion()
{
    showStep(m_questionnaire.back());
}

void ChakraQuestionWindow::finish()
{
    computeChakraResult(*m_session);
    openProgramWindow(m_context, new ChakraResultWindow(m_context, m_session));
    closeProgramWindow(this);
    setWelcomePanelVisible(m_context, false);
}

} // namespace tarvo
