#include "chakra/ChakraAsanaWindow.h"

#include "chakra/ChakraForms.h"
#include "chakra/ChakraResultWindow.h"
#include "pictures/Pictures.h"
#include "platform/AppInfo.h"
#include "platform/Desktop.h"
#include "platform/ReadingText.h"
#include "platform/ReadingZoom.h"
#include "platform/Twips.h"
#include "report/RichTextBox.h"
#include "shell/HelpMenu.h"
#include "shell/Navigator.h"
#include "shell/ProgramWindow.h"

#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QMenuBar>
#include <QPixmap>
#include <QPushButton>
#include <QVBoxLayout>
#include <algorithm>

namespace tarvo {

namespace {

constexpr QSize kPictureSize(250, 250);

} // namespace

ChakraAsanaWindow::ChakraAsanaWindow(const AppContext& context, const RecommendedAsanas& list,
                                     QWidget* parent)
    : ProgramWindow(context, parent)
    , m_list(list)
    , m_navigator(list)
    , m_chakraName(new QLabel(QStringLiteral("Chakra Name"), this))
    , m_picture(new QLabel(this))
    , m_text(new RichTextBox(context.desktop, this))
{
    setObjectName(QStringLiteral("frmYogaChakra"));
    setWindowTitle(kChakraCaption);

    auto* bar = new QMenuBar(this);
    QMenu* file = bar->addMenu(QStringLiteral("&File"));
    file->setObjectName(QStringLiteral("mnuFile"));
    file->addAction(QStringLiteral("&Back"), this, &ChakraAsanaWindow::backToResult)
        ->setObjectName(QStringLiteral("mnuBack"));
    file->addAction(QStringLiteral("E&xit"), this, [this] { closeProgramWindow(this); })
        ->setObjectName(QStringLiteral("mnuExit"));
    addHelpMenu(*bar, m_context);

    auto* frame = new QGroupBox(QStringLiteral("Tarvo Chakra Yoga Interpretation"), this);
    frame->setObjectName(QStringLiteral("Frame1"));
    m_chakraName->setObjectName(QStringLiteral("lblChakraName"));
    QFont bold = m_chakraName->font();
    bold.setBold(true);
    bold.setPointSizeF(bold.pointSizeF() + 2);
    m_chakraName->setFont(bold);
    m_picture->setObjectName(QStringLiteral("picYoga"));
    m_picture->setFixedSize(kPictureSize);
    m_picture->setAlignment(Qt::AlignCenter);
    m_text->setObjectName(QStringLiteral("RTB"));
    m_text->setAccessibleName(QStringLiteral("Asana texts"));
    followReadingZoom(*m_chakraName, m_context.readingZoom);
    followReadingZoom(*m_text, m_context.readingZoom);

    auto* record = new QHBoxLayout;
    record->addWidget(m_picture, 0, Qt::AlignTop);
    record->addWidget(m_text, 1);
    auto* frameLayout = new QVBoxLayout(frame);
    frameLayout->addWidget(m_chakraName);
    frameLayout->addLayout(record, 1);

    auto button = [this](const QString& name, const QString& caption) {
        auto* push = new QPushButton(caption, this);
        push->setObjectName(name);
        return push;
    };
    QPushButton* previous = button(QStringLiteral("cmdBk"), QStringLiteral("<< B&ack"));
    connect(previous, &QPushButton::clicked, this, &ChakraAsanaWindow::showPreviousRecord);
    QPushButton* next = button(QStringLiteral("cmdNext"), QStringLiteral("&Next >>"));
    connect(next, &QPushButton::clicked, this, &ChakraAsanaWindow::showNextRecord);
    QPushButton* back = button(QStringLiteral("cmdBack"), QStringLiteral("&Back"));
    connect(back, &QPushButton::clicked, this, &ChakraAsanaWindow::backToResult);
    QPushButton* exit = button(QStringLiteral("cmdExit"), QStringLiteral("E&xit"));
    connect(exit, &QPushButton::clicked, this, [this] { closeProgramWindow(this); });
    auto* buttons = new QHBoxLayout;
    QPushButton* practise =
        button(QStringLiteral("cmdPractise"), QStringLiteral("Practise These No&w"));
    practise->setAccessibleName(QStringLiteral("Practise these asanas now"));
    connect(practise, &QPushButton::clicked, this, &ChakraAsanaWindow::practiseNow);
    buttons->addWidget(previous);
    buttons->addWidget(next);
    buttons->addStretch(1);
    buttons->addWidget(practise);
    setTabOrder(next, practise);
    setTabOrder(practise, back);
    buttons->addWidget(back);
    buttons->addWidget(exit);

    auto* layout = new QVBoxLayout(this);
    layout->setMenuBar(bar);
    layout->setContentsMargins(12, 8, 12, 10);
    layout->setSpacing(8);
    layout->addWidget(frame, 1);
    layout->addLayout(buttons);
    layout->addWidget(chakraPromotionFrame(m_context, this));

    showCurrentRecord();
}

QSize ChakraAsanaWindow::sizeHint() const
{
    // Beside the picture, the record's text grows with the zoom, so that a line holds about as
    // many words at any size; the work area may cut the window down.
    const QSize designed(twipsToPixels(9345), twipsToPixels(7500));
    const int percent =
        m_context.readingZoom ? std::max(m_context.readingZoom->percent(), 100) : 100;
    const QSize text = designed - QSize(kPictureSize.width(), 0);
    return (text * percent / 100 + QSize(kPictureSize.width(), 0)).expandedTo(minimumSizeHint());
}

std::optional<PrintablePage> ChakraAsanaWindow::printablePage() const
{
    const RecommendedAsana* entry = m_navigator.current();
    if (!entry)
        return std::nullopt;
    const ChakraYogaAsana& asana = chakraYogaAsanas()[entry->asana];
    PrintablePage page{
        asana.name + QStringLiteral(" for the ") + entry->chakraName, m_text->report(), {}};
    const QString pose = pictures::chakraPoseName(asana.imageKey);
    if (!pose.isEmpty()) {
        page.picture = PagePicture{QSizeF(kPictureSize), PicturePlacement::Beside,
                                   [pose](QPainter& painter, const QRectF& area) {
                                       pictures::paintAsanaPicture(painter, pose, area);
                                   }};
    }
    return page;
}

void ChakraAsanaWindow::showCurrentRecord()
{
    const RecommendedAsana* entry = m_navigator.current();
    if (!entry)
        return;
    const ChakraYogaAsana& asana = chakraYogaAsanas()[entry->asana];
    m_text->setReport(asanaRecordReport(asana));
    m_picture->setPixmap(QPixmap::fromImage(pictures::chakraAsanaPicture(
        asana.imageKey, kPictureSize, m_picture->devicePixelRatioF())));
    m_picture->setAccessibleName(asana.name);
    m_picture->setAccessibleDescription(pictures::asanaPictureDescription(asana.imageKey));
    m_chakraName->setText(entry->chakraName);
}

void ChakraAsanaWindow::practiseNow()
{
    QStringList names;
    for (const auto& slot : m_list) {
        if (slot)
            names.append(chakraYogaAsanas()[slot->asana].name);
    }
    if (m_context.navigator)
        m_context.navigator->practise(QStringLiteral("Chakra Yoga"), names);
}

void ChakraAsanaWindow::showNextRecord()
{
    if (m_navigator.next() == AsanaRecordNavigator::Move::Shown)
        showCurrentRecord();
}

void ChakraAsanaWindow::showAsana(int asana)
{
    if (m_navigator.moveToAsana(asana))
        showCurrentRecord();
}

void ChakraAsanaWindow::showPreviousRecord()
{
    switch (m_navigator.previous()) {
    case AsanaRecordNavigator::Move::Shown:
        showCurrentRecord();
        break;
    case AsanaRecordNavigator::Move::AtFirst:
        warn(m_context.desktop, this, kAppTitle, QStringLiteral("You are at the first record"));
        break;
    case AsanaRecordNavigator::Move::Unchanged:
        break;
    }
}

void ChakraAsanaWindow::backToResult()
{
    showChakraSelection(m_context);
    closeProgramWindow(this);
    setWelcomePanelVisible(m_context, false);
}

} // namespace tarvo
