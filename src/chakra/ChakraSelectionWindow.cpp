#include "chakra/ChakraSelectionWindow.h"

#include "chakra/ChakraForms.h"
#include "chakra/ChakraQuestionWindow.h"
#include "chakra/ChakraTestSession.h"
#include "platform/AppInfo.h"
#include "platform/Desktop.h"
#include "platform/RandomSource.h"
#include "platform/Twips.h"
#include "shell/HelpMenu.h"
#include "shell/ProgramWindow.h"

#include <QCheckBox>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QMenuBar>
#include <QPushButton>
#include <QVBoxLayout>
#include <memory>

namespace tarvo {

ChakraSelectionWindow::ChakraSelectionWindow(const AppContext& context, QWidget* parent)
    : ProgramWindow(context, parent)
{
    setObjectName(QStringLiteral("frmChakraYogaMain"));
    setWindowTitle(kChakraCaption);

    auto* bar = new QMenuBar(this);
    QMenu* file = bar->addMenu(QStringLiteral("&File"));
    file->setObjectName(QStringLiteral("mnuFile"));
    file->addAction(QStringLiteral("&Exit"), this, [this] { closeProgramWindow(this); })
        ->setObjectName(QStringLiteral("mnuExit"));
    addHelpMenu(*bar, m_context);

    auto* intro = new QLabel(QStringLiteral("Tarvo Chakra Yoga is a simple software that attempts "
                                            "to correlate your under-active or "
                                            "overactive chakras with the corresponding yogasana "
                                            "and its significance. Take the chakra "
                                            "test now and get a reading instantly!"),
                             this);
    intro->setObjectName(QStringLiteral("Label3"));
    intro->setWordWrap(true);
    intro->setTextFormat(Qt::PlainText);

    auto* chakras = new QVBoxLayout;
    chakras->setSpacing(4);
    for (int i = 0; i < kChakraCount; ++i) {
        auto* box = new QCheckBox(chakraInfo(ChakraId(i)).fullName, this);
        box->setObjectName(QStringLiteral("chkChakras_%1").arg(i));
        chakras->addWidget(box);
        m_chakras[std::size_t(i)] = box;
    }

    auto* test = new QPushButton(QStringLiteral("ST&ART TEST"), this);
    test->setObjectName(QStringLiteral("cmdTest"));
    test->setDefault(true);
    connect(test, &QPushButton::clicked, this, &ChakraSelectionWindow::startTest);
    auto* exit = new QPushButton(QStringLiteral("E&xit"), this);
    exit->setObjectName(QStringLiteral("cmdNav"));
    connect(exit, &QPushButton::clicked, this, [this] { closeProgramWindow(this); });
    auto* buttons = new QVBoxLayout;
    buttons->addStretch(1);
    buttons->addWidget(test);
    buttons->addWidget(exit);

    auto* choice = new QHBoxLayout;
    choice->addLayout(chakras, 1);
    choice->addLayout(buttons);

    auto* layout = new QVBoxLayout(this);
    layout->setMenuBar(bar);
    layout->setContentsMargins(16, 12, 16, 12);
    layout->setSpacing(12);
    layout->addWidget(intro);
    layout->addLayout(choice, 1);
    layout->addWidget(chakraPromotionFrame(m_context, this));
}

QSize ChakraSelectionWindow::sizeHint() const
{
    return QSize(twipsToPixels(7995), twipsToPixels(4725)).expandedTo(minimumSizeHint());
}

void ChakraSelectionWindow::startTest()
{
    PerChakra<bool> selected{};
    for (std::size_t i = 0; i < selected.size(); ++i)
        selected[i] = m_chakras[i]->isChecked();
    std::optional<ChakraTestSession> session =
        startChakraTest(selected, m_context.random.freshSeed());
    if (!session) {
        warn(m_context.desktop, this, kAppTitle,
             QStringLiteral("Please select at least one chakra"));
        return;
    }
    auto* questions = new ChakraQuestionWindow(
        m_context, std::make_shared<ChakraTestSession>(std::move(*session)));
    openProgramWindow(m_context, questions);
    setProgramWindowVisible(this, false);
}

} // namespace tarvo
