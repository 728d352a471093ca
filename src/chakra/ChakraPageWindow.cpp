#include "chakra/ChakraPageWindow.h"

#include "chakra/ChakraForms.h"
#include "chakra/ChakraResultWindow.h"
#include "platform/Twips.h"
#include "report/RichTextBox.h"
#include "shell/HelpMenu.h"

#include <QGroupBox>
#include <QHBoxLayout>
#include <QMenuBar>
#include <QPushButton>
#include <QVBoxLayout>

namespace tarvo {

ChakraPageWindow::ChakraPageWindow(const AppContext& context, const PrintablePage& page,
                                   QWidget* parent)
    : ProgramWindow(context, parent)
    , m_title(page.title)
    , m_text(new RichTextBox(context.desktop, this))
{
    setObjectName(QStringLiteral("frmChakraPage"));
    setWindowTitle(kChakraCaption);

    auto* bar = new QMenuBar(this);
    QMenu* file = bar->addMenu(QStringLiteral("&File"));
    file->setObjectName(QStringLiteral("mnuFile"));
    file->addAction(QStringLiteral("&Back"), this, &ChakraPageWindow::backToSelection)
        ->setObjectName(QStringLiteral("mnuBack"));
    file->addAction(QStringLiteral("E&xit"), this, [this] { closeProgramWindow(this); })
        ->setObjectName(QStringLiteral("mnuExit"));
    addHelpMenu(*bar, m_context);

    m_text->setObjectName(QStringLiteral("RTB"));
    m_text->setAccessibleName(QStringLiteral("Chakra text"));
    m_text->setMinimumHeight(160);

    auto* back = new QPushButton(QStringLiteral("&Back"), this);
    back->setObjectName(QStringLiteral("cmdBack"));
    connect(back, &QPushButton::clicked, this, &ChakraPageWindow::backToSelection);
    auto* exit = new QPushButton(QStringLiteral("E&xit"), this);
    exit->setObjectName(QStringLiteral("cmdExit"));
    connect(exit, &QPushButton::clicked, this, [this] { closeProgramWindow(this); });
    auto* buttons = new QHBoxLayout;
    buttons->addStretch(1);
    buttons->addWidget(back);
    buttons->addWidget(exit);

    auto* layout = new QVBoxLayout(this);
    layout->setMenuBar(bar);
    layout->setContentsMargins(16, 8, 16, 10);
    layout->setSpacing(8);
    layout->addWidget(m_text, 1);
    layout->addLayout(buttons);
    layout->addWidget(chakraPromotionFrame(m_context, this));

    m_text->enableLinkDetection();
    m_text->setReport(page.text);
}

QSize ChakraPageWindow::sizeHint() const
{
    return QSize(twipsToPixels(10800), twipsToPixels(9000)).expandedTo(minimumSizeHint());
}

std::optional<PrintablePage> ChakraPageWindow::printablePage() const
{
    return PrintablePage{m_title, m_text->report(), std::nullopt};
}

void ChakraPageWindow::backToSelection()
{
    showChakraSelection(m_context);
    closeProgramWindow(this);
    setWelcomePanelVisible(m_context, false);
}

} // namespace tarvo
