#include "chakra/ChakraResultWindow.h"

#include "chakra/ChakraAsanaWindow.h"
#include "chakra/ChakraAsanas.h"
#include "chakra/ChakraChart.h"
#include "chakra/ChakraForms.h"
#include "chakra/ChakraSelectionWindow.h"
#include "platform/AppInfo.h"
#include "platform/Desktop.h"
#include "platform/ReadingText.h"
#include "platform/Twips.h"
#include "report/RichTextBox.h"
#include "shell/HelpMenu.h"
#include "shell/ProgramWindow.h"
#include "shell/WorkArea.h"

#include <QEvent>
#include <QFontMetricsF>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QMenuBar>
#include <QPushButton>
#include <QScrollArea>
#include <QVBoxLayout>
#include <algorithm>

namespace tarvo {

namespace {

constexpr int kLeastResultHeight = 120;

// Beside an introduction that fits, the result takes the height left; when the introduction
// is too tall (a large zoom), the result takes the whole visible height and the introduction
// follows below it.
class ResultFirst final : public QObject {
public:
    ResultFirst(QScrollArea* area, QWidget* result, QLabel* introduction, int spacing)
        : QObject(area)
        , m_area(area)
        , m_result(result)
        , m_introduction(introduction)
        , m_spacing(spacing)
    {
        area->viewport()->installEventFilter(this);
        introduction->installEventFilter(this);
    }

    bool eventFilter(QObject*, QEvent* event) override
    {
        if (event->type() == QEvent::Resize || event->type() == QEvent::FontChange)
            arrange();
        return false;
    }

private:
    void arrange()
    {
        const QSize room = m_area->viewport()->size();
        const int introduction = m_introduction->heightForWidth(room.width());
        const bool fits = kLeastResultHeight + m_spacing + introduction <= room.height();
        m_result->setMinimumHeight(fits ? kLeastResultHeight
                                        : std::max(kLeastResultHeight, room.height()));
    }

    QScrollArea* m_area;
    QWidget* m_result;
    QLabel* m_introduction;
    int m_spacing;
};

} // namespace

void showChakraSelection(const AppContext& context)
{
    if (auto* selection = context.area ? context.area->find<ChakraSelectionWindow>() : nullptr) {
        setProgramWindowVisible(selection, true);
        return;
    }
    openProgramWindow(context, new ChakraSelectionWindow(context));
}

ChakraResultWindow::ChakraResultWindow(const AppContext& context,
                                       std::shared_ptr<ChakraTestSession> session, QWidget* parent)
    : ProgramWindow(context, parent)
    , m_session(std::move(session))
    , m_chart(new ChakraChart(this))
    // Parented when laid out, after the buttons above it, so Tab reaches it after them.
    , m_text(new RichTextBox(context.desktop))
{
    setObjectName(QStringLiteral("frmChakraYogaResult"));
    setWindowTitle(kChakraCaption);

    auto* bar = new QMenuBar(this);
    QMenu* file = bar->addMenu(QStringLiteral("&File"));
    file->setObjectName(QStringLiteral("mnuFile"));
    file->addAction(QStringLiteral("&Back"), this, &ChakraResultWindow::backToSelection)
        ->setObjectName(QStringLiteral("mnuBack"));
    file->addAction(QStringLiteral("E&xit"), this, [this] { closeProgramWindow(this); })
        ->setObjectName(QStringLiteral("mnuExit"));
    addHelpMenu(*bar, m_context);

    auto* intro = new QLabel(chakraIntroduction(), this);
    intro->setObjectName(QStringLiteral("lblChakra"));
    intro->setTextFormat(Qt::PlainText);
    intro->setWordWrap(true);
    intro->setAlignment(Qt::AlignTop | Qt::AlignLeft);

    m_text->setObjectName(QStringLiteral("RTB"));
    m_text->setAccessibleName(QStringLiteral("Chakra test result"));
    followReadingZoom(*intro, m_context.readingZoom);
    followReadingZoom(*m_text, m_context.readingZoom);

    auto button = [this](const QString& name, const QString& caption) {
        auto* push = new QPushButton(caption, this);
        push->setObjectName(name);
        return push;
    };
    QPushButton* find =
        button(QStringLiteral("cmdYogaChakra"), QStringLiteral("Find &Chakra Yoga"));
    find->setDefault(true);
    connect(find, &QPushButton::clicked, this, &ChakraResultWindow::showRecommendedAsanas);
    QPushButton* back = button(QStringLiteral("cmdBack"), QStringLiteral("&Back"));
    connect(back, &QPushButton::clicked, this, &ChakraResultWindow::backToSelection);
    QPushButton* exit = button(QStringLiteral("cmdExit"), QStringLiteral("E&xit"));
    connect(exit, &QPushButton::clicked, this, [this] { closeProgramWindow(this); });
    auto* buttons = new QVBoxLayout;
    buttons->addStretch(1);
    buttons->addWidget(find);
    buttons->addWidget(back);
    buttons->addWidget(exit);

    auto* top = new QHBoxLayout;
    top->addWidget(m_chart, 0, Qt::AlignTop);
    top->addSpacing(12);
    top->addLayout(buttons);

    auto* layout = new QVBoxLayout(this);
    layout->setMenuBar(bar);
    layout->setContentsMargins(16, 8, 16, 10);
    layout->setSpacing(8);
    // The chart and the buttons stay in sight; the reader's own result comes next, and the
    // introduction to chakras in general after it, scrolling with it at a large zoom.
    layout->addLayout(top);
    auto* body = new QWidget;
    auto* column = new QVBoxLayout(body);
    column->setContentsMargins(0, 0, 0, 0);
    column->setSpacing(8);
    column->addWidget(m_text, 1);
    column->addWidget(intro);
    auto* area = new QScrollArea;
    area->setFocusPolicy(Qt::NoFocus); // it follows the focus of the controls inside
    area->setFrameShape(QFrame::NoFrame);
    area->setWidgetResizable(true);
    area->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    area->setWidget(body);
    new ResultFirst(area, m_text, intro, column->spacing());
    layout->addWidget(area, 1);
    layout->addWidget(chakraPromotionFrame(m_context, this));

    // Links in the text open in the browser.
    m_text->enableLinkDetection();
    m_chart->setScores(m_session->scores);
    m_text->setReport(chakraResultReport(*m_session));
}

QSize ChakraResultWindow::sizeHint() const
{
    // Wider and taller than the designed 9705 x 7185 twips, so the wrapped introduction and
    // the chart both get their full height beside a useful amount of result text; the work
    // area may cut it down, and the text box then scrolls.
    return QSize(twipsToPixels(14400), twipsToPixels(12600)).expandedTo(minimumSizeHint());
}

std::optional<PrintablePage> ChakraResultWindow::printablePage() const
{
    // The screen's 9 pt in the 96-dpi pixels the picture is drawn in.
    QFont labels(QStringLiteral("Verdana"));
    labels.setPixelSize(12);
    const PerChakra<ChakraBar> bars = m_chart->bars();
    PagePicture chart{chakraChartSize(QFontMetricsF(labels).height()), PicturePlacement::Above,
                      [bars, labels](QPainter& painter, const QRectF&) {
                          paintChakraChart(painter, bars, labels, Qt::black);
                      }};
    return PrintablePage{QStringLiteral("Chakra Test Result"), m_text->report(), std::move(chart)};
}

void ChakraResultWindow::showRecommendedAsanas()
{
    const RecommendedAsanas list = recommendedAsanas(chakrasNeedingYoga(*m_session));
    if (!anyRecommended(list)) {
        warn(m_context.desktop, this, kAppTitle,
             QStringLiteral("Chakra Yoga not applicable for Open Chakras"));
        return;
    }
    openProgramWindow(m_context, new ChakraAsanaWindow(m_context, list));
    closeProgramWindow(this);
    setWelcomePanelVisible(m_context, false);
}

void ChakraResultWindow::backToSelection()
{
    showChakraSelection(m_context);
    closeProgramWindow(this);
    setWelcomePanelVisible(m_context, false);
}

void ChakraResultWindow::closeEvent(QCloseEvent* event)
{
    m_text->disableLinkDetection();
    ProgramWindow::closeEvent(event);
}

} // namespace tarvo
