#include "app/frmMDI.h"

#include "app/LearnNavigation.h"
#include "app/MainWindowStyle.h"
#include "app/MakerPages.h"
#include "app/ProgramPictures.h"
#include "app/WelcomePanel.h"
#include "app/frmAbout.h"
#include "asanas/LookupStrip.h"
#include "learn/ArticleCatalogue.h"
#include "learn/frmLearnYogaDisp.h"
#include "platform/AppInfo.h"
#include "platform/KeyboardActivation.h"
#include "platform/LinkLabel.h"
#include "platform/Screen.h"
#include "platform/StyleRole.h"
#include "platform/Twips.h"

#include <QCloseEvent>
#include <QApplication>
#include <QHBoxLayout>
#include <QLabel>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMenuBar>
#include <QPushButton>
#include <QScrollArea>
#include <QStackedWidget>
#include <QVBoxLayout>

namespace tarvo {

namespace {

constexpr int kBannerHeight = 465;
constexpr int kProgramStripHeight = 900;
constexpr int kExitWidth = 1335;
constexpr int kExitHeight = 495;

enum Option { LearnYoga = 0, ZodiacYoga = 1, ChakraYoga = 2 };

QWidget* strip(const QString& name, int heightTwips)
{
    auto* widget = new QWidget;
    widget->setObjectName(name);
    widget->setAttribute(Qt::WA_StyledBackground);
    if (heightTwips > 0)
        widget->setFixedHeight(twipsToPixels(heightTwips));
    return widget;
}

// A child's frame that hands Tab on to the main window, so the tab order runs from the program
// buttons through the child to the exit strip instead of looping inside the child.
class ChildFrame final : public QMdiSubWindow {
public:
    explicit ChildFrame(frmMDI& main)
        : m_main(main)
    {
    }

protected:
    bool focusNextPrevChild(bool next) override { return m_main.moveFocus(next); }

private:
    frmMDI& m_main;
};

} // namespace

frmMDI::frmMDI(const AppContext& context, ProgramWindows programs, QWidget* parent)
    : QMainWindow(parent)
    , m_context{context.desktop, context.clock, context.settings, context.random, context.screen,
                this}
    , m_programs(std::move(programs))
{
    setObjectName(QStringLiteral("frmMDI"));
    setWindowTitle(kAppCaption);
    buildMenus();

    auto* central = new QWidget;
    auto* column = new QVBoxLayout(central);
    column->setContentsMargins(0, 0, 0, 0);
    column->setSpacing(0);
    column->addWidget(buildBanner());
    column->addWidget(buildProgramButtons());

    m_welcome = new WelcomePanel;
    connect(m_welcome, &WelcomePanel::captionClicked, this, [this](int index) {
        if (index >= 8)
            SelectProgramOption(index - 8);
        else {
            UnloadChildWindows();
            setWelcomePanelVisible(false);
        }
    });

    m_work = new QWidget;
    m_work->setObjectName(QStringLiteral("work"));
    auto* workColumn = new QVBoxLayout(m_work);
    workColumn->setContentsMargins(0, 0, 0, 0);
    workColumn->setSpacing(0);
    m_lookupStrip = new LookupStrip([this]() -> frmLearnYogaDisp& { return articleViewer(); });
    m_lookupStrip->setAttribute(Qt::WA_StyledBackground);
    m_lookupStrip->hide();
    for (QLabel* caption : m_lookupStrip->captions())
        caption->installEventFilter(this);
    workColumn->addWidget(m_lookupStrip);

    auto* row = new QHBoxLayout;
    row->setSpacing(0);
    m_learnNavigation = new LearnNavigation;
    m_learnNavigation->setAttribute(Qt::WA_StyledBackground);
    m_learnNavigation->hide();
    connect(m_learnNavigation, &LearnNavigation::headerClicked, this, &frmMDI::ToggleSection);
    connect(m_learnNavigation, &LearnNavigation::articleClicked, this, &frmMDI::showArticle);
    row->addWidget(m_learnNavigation);
    m_mdi = new QMdiArea;
    m_mdi->setObjectName(QStringLiteral("mdiArea"));
    m_mdi->setBackground(QColor(0xee, 0xf2, 0xf0));
    m_mdi->viewport()->installEventFilter(this);
    row->addWidget(m_mdi, 1);
    workColumn->addLayout(row, 1);

    m_body = new QStackedWidget;
    m_body->addWidget(m_welcome);
    m_body->addWidget(m_work);
    column->addWidget(m_body, 1);
    column->addWidget(buildExitStrip());
    setCentralWidget(central);
    setStyleSheet(mainWindowStyleSheet());
    activateButtonsOnEnter(this);
    for (QAction* title : menuBar()->actions())
        m_altCaptions.append({title, title->text()});
    m_altCaptions.append({m_exit, m_exit->property("text").toString()});
    connect(qApp, &QApplication::focusChanged, this,
            [this](QWidget*, QWidget* now) { shareAltLettersWith(now); });
    resize(1024, 720);
}

frmMDI::~frmMDI()
{
    // Destroying the child widgets moves the focus; by then this is no longer an frmMDI.
    disconnect(qApp, &QApplication::focusChanged, this, nullptr);
}

void frmMDI::buildMenus()
{
    QMenu* file = menuBar()->addMenu(QStringLiteral("&File"));
    file->setObjectName(QStringLiteral("mnuFile"));
    QAction* exit = file->addAction(QStringLiteral("E&xit"), this, &QWidget::close);
    exit->setObjectName(QStringLiteral("mnuExit"));

    QMenu* help = menuBar()->addMenu(QStringLiteral("&Help"));
    help->setObjectName(QStringLiteral("mnuHelp"));
    auto page = [this](MakerPage which) {
        return [this, which] { openMakerPage(m_context.desktop, which); };
    };
    help->addAction(QStringLiteral("&Online Help"), this, page(MakerPage::HelpWebPage))
        ->setObjectName(QStringLiteral("mnuOnline"));
    help->addAction(QStringLiteral("&Visit Us Online"), this, page(MakerPage::HomePage))
        ->setObjectName(QStringLiteral("mnuVisit"));
    help->addSeparator()->setObjectName(QStringLiteral("mnuSep2"));
    help->addAction(QStringLiteral("Check for Software &Update"), this,
                    page(MakerPage::DownloadWebPage))
        ->setObjectName(QStringLiteral("mnuUpdate"));
    help->addSeparator()->setObjectName(QStringLiteral("mnuSep3"));
    help->addAction(QStringLiteral("&About Software"), this, &frmMDI::showAbout)
        ->setObjectName(QStringLiteral("mnuAbout"));
}

QWidget* frmMDI::buildBanner()
{
    QWidget* banner = strip(QStringLiteral("picTopMain"), kBannerHeight);
    setStyleRole(banner, "banner");
    auto* layout = new QHBoxLayout(banner);
    layout->setContentsMargins(8, 0, 8, 0);
    auto* label = new LinkLabel(
        QStringLiteral("Free yoga lessons, sun-sign readings and chakra tests - visit the Tarvo "
                       "Yoga home page"),
        banner);
    label->setObjectName(QStringLiteral("lblSolvaneBanner"));
    connect(label, &LinkLabel::clicked, this,
            [this] { openMakerPage(m_context.desktop, MakerPage::HomePage); });
    layout->addWidget(label, 0, Qt::AlignCenter);
    return banner;
}

QWidget* frmMDI::buildProgramButtons()
{
    QWidget* top = strip(QStringLiteral("picTop"), kProgramStripHeight);
    setStyleRole(top, "programStrip");
    auto* container = new QWidget;
    container->setObjectName(QStringLiteral("picButtonContainer"));
    auto* buttons = new QHBoxLayout(container);
    buttons->setContentsMargins(0, 0, 0, 0);
    buttons->setSpacing(10);
    const QStringList captions = {QStringLiteral("Learn Yoga"), QStringLiteral("Zodiac Yoga"),
                                  QStringLiteral("Chakra Yoga")};
    for (int i = 0; i < captions.size(); ++i) {
        auto* picture = new QLabel;
        picture->setObjectName(QStringLiteral("Picture%1").arg(8 + i));
        picture->setFixedSize(48, 48);
        picture->setPixmap(programButtonPicture(i, picture->size(), devicePixelRatio()));
        picture->setAccessibleName(captions[i]);
        picture->setAccessibleDescription(programButtonDescription(i));
        buttons->addWidget(picture);
        auto* button = new QPushButton(captions[i]);
        button->setObjectName(QStringLiteral("cmdSelectOption_%1").arg(i));
        button->setMinimumSize(150, 36);
        connect(button, &QPushButton::clicked, this, [this, i] { SelectProgramOption(i); });
        buttons->addWidget(button);
        if (i + 1 < captions.size())
            buttons->addSpacing(28);
    }
    auto* layout = new QHBoxLayout(top);
    layout->setContentsMargins(8, 0, 8, 0);
    layout->addWidget(container, 0, Qt::AlignCenter);
    return top;
}

QWidget* frmMDI::buildExitStrip()
{
    QWidget* bottom = strip(QStringLiteral("PicCoBrand"), 0);
    setStyleRole(bottom, "footer");
    auto* layout = new QHBoxLayout(bottom);
    layout->setContentsMargins(12, twipsToPixels(120), twipsToPixels(120), twipsToPixels(120));
    auto* promo = new LinkLabel(
        QStringLiteral("Tarvo Yoga with your own name and logo: ask for the fully branded edition"),
        bottom);
    promo->setObjectName(QStringLiteral("Label7"));
    setStyleRole(promo, "promotion");
    connect(promo, &LinkLabel::clicked, this,
            [this] { openMakerPage(m_context.desktop, MakerPage::FullyBranded); });
    layout->addWidget(promo, 1, Qt::AlignCenter);
    m_promotion = promo;
    auto* exit = new QPushButton(QStringLiteral("&Exit"));
    exit->setObjectName(QStringLiteral("cmdMdiExit"));
    exit->setFixedSize(twipsToPixels(kExitWidth), twipsToPixels(kExitHeight));
    QFont bold = exit->font();
    bold.setBold(true);
    exit->setFont(bold);
    connect(exit, &QPushButton::clicked, this, &QWidget::close);
    layout->addWidget(exit, 0, Qt::AlignRight);
    m_exit = exit;
    return bottom;
}

void frmMDI::SelectProgramOption(int option)
{
    UnloadChildWindows();
    setWelcomePanelVisible(false);
    switch (option) {
    case LearnYoga:
        m_learnNavigation->show();
        showIntroduction();
        break;
    case ZodiacYoga:
    case ChakraYoga: {
        hideLearnYogaPanels();
        const auto& factory = option == ZodiacYoga ? m_programs.zodiac : m_programs.chakra;
        if (!factory)
            break;
        showChild(factory(m_context));
        break;
    }
    default:
        break;
    }
}

void frmMDI::UnloadChildWindows()
{
    const QList<QMdiSubWindow*> windows = m_mdi->subWindowList();
    for (QMdiSubWindow* window : windows)
        window->close();
    // A closed child is deleted only later; the next write must go to a new viewer.
    m_viewer = nullptr;
}

void frmMDI::hideLearnYogaPanels()
{
    if (QMdiSubWindow* viewer = subWindowOf(m_viewer))
        viewer->close();
    m_viewer = nullptr;
    m_lookupStrip->hide();
    m_learnNavigation->hide();
}

void frmMDI::showIntroduction()
{
    articleViewer().showArticle(introduction());
}

void frmMDI::ToggleSection(int section)
{
    const SectionLayout layout = m_navigation.toggle(section);
    m_lookupStrip->setVisible(layout.lookupStripVisible);
    if (layout.lookupStripVisible)
        m_lookupStrip->showPanel(layout.shownPanel);
    m_learnNavigation->applyLayout(layout);
    SizeArticleViewer();
    static const std::array<QString, kSectionCount> firstArticle = {
        QStringLiteral("Command11"), {}, {}, {}, QStringLiteral("Command51"),
        QStringLiteral("Command61"), QStringLiteral("Command71")};
    if (sectionKind(section) == SectionKind::Article)
        showArticle(firstArticle[std::size_t(section - 1)]);
    else
        m_lookupStrip->selectFirst(section);
}

void frmMDI::showArticle(const QString& buttonName)
{
    if (const auto article = articleForButton(buttonName))
        articleViewer().showArticle(*article);
}

frmLearnYogaDisp& frmMDI::articleViewer()
{
    if (!m_viewer) {
        m_viewer = new frmLearnYogaDisp(m_context.desktop);
        addChild(m_viewer, Qt::FramelessWindowHint);
        SizeArticleViewer();
    }
    return *m_viewer;
}

void frmMDI::SizeArticleViewer()
{
    // The viewer takes the whole work area beside the navigation, whatever strips are shown.
    if (QMdiSubWindow* viewer = subWindowOf(m_viewer))
        viewer->setGeometry(QRect(QPoint(0, 0), m_mdi->viewport()->size()));
}

bool frmMDI::welcomePanelVisible() const
{
    return m_body->currentWidget() == m_welcome;
}

void frmMDI::setWelcomePanelVisible(bool visible)
{
    m_body->setCurrentWidget(visible ? static_cast<QWidget*>(m_welcome) : m_work);
}

void frmMDI::showChild(QWidget* form)
{
    activateButtonsOnEnter(form);
    addChild(form);
}

QMdiSubWindow* frmMDI::addChild(QWidget* form, Qt::WindowFlags flags)
{
    auto* frame = new ChildFrame(*this);
    frame->setWidget(form);
    frame->setAttribute(Qt::WA_DeleteOnClose);
    frame->setWindowIcon(windowIcon());
    m_mdi->addSubWindow(frame, flags);
    if (!(flags & Qt::FramelessWindowHint))
        placeInWorkArea(frame);
    frame->show();
    // The child's controls go between the program buttons and the exit strip at the foot.
    QWidget* last = frame;
    for (QWidget* w = frame->nextInFocusChain(); frame->isAncestorOf(w); w = w->nextInFocusChain()) {
        if (w->focusPolicy() != Qt::NoFocus)
            last = w;
    }
    setTabOrder(last, m_promotion);
    setTabOrder(m_promotion, m_exit);
    return frame;
}

// Shortcuts of the main window stay live while a child has the focus, so its "&File", "&Help"
// and "&Exit" would make the child's own Alt+F, Alt+H and Alt+E ambiguous: they only move the
// focus then. While a program window has the focus, the main window's letters step aside.
void frmMDI::shareAltLettersWith(QWidget* focus)
{
    const QMdiSubWindow* active = focus && m_mdi->isAncestorOf(focus) ? m_mdi->activeSubWindow()
                                                                       : nullptr;
    const bool own = !active || active->widget() == m_viewer;
    if (own == m_ownAltLetters)
        return;
    m_ownAltLetters = own;
    for (const auto& [control, caption] : std::as_const(m_altCaptions)) {
        QString shown = caption;
        if (!own)
            shown.remove(u'&');
        control->setProperty("text", shown);
    }
}

void frmMDI::placeInWorkArea(QMdiSubWindow* window)
{
    // Panels hidden or shown just before (the navigation, the welcome panel) change the work
    // area only when their layouts run; centring before that would use the old width.
    QCoreApplication::sendPostedEvents(nullptr, QEvent::LayoutRequest);
    const QSize area = m_mdi->viewport()->size();
    const QSize size = window->sizeHint().boundedTo(area).expandedTo(window->minimumSizeHint());
    window->resize(size);
    window->move(std::max(0, (area.width() - size.width()) / 2), 0);
}

QRect frmMDI::workArea() const
{
    const QWidget* viewport = m_mdi->viewport();
    return QRect(viewport->mapToGlobal(QPoint(0, 0)), viewport->size());
}

QWidget* frmMDI::child(const QString& objectName) const
{
    const QList<QMdiSubWindow*> windows = m_mdi->subWindowList();
    for (QMdiSubWindow* window : windows) {
        if (window->widget() && window->widget()->objectName() == objectName)
            return window->widget();
    }
    return nullptr;
}

void frmMDI::showAbout()
{
    frmAbout about(m_context.desktop, this);
    about.exec();
}

QMdiSubWindow* frmMDI::subWindowOf(const QWidget* form) const
{
    if (!form)
        return nullptr;
    return qobject_cast<QMdiSubWindow*>(form->parentWidget());
}

void frmMDI::closeEvent(QCloseEvent* event)
{
    UnloadChildWindows();
    QMainWindow::closeEvent(event);
}

bool frmMDI::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == m_mdi->viewport() && event->type() == QEvent::Resize)
        SizeArticleViewer();
    else if (event->type() == QEvent::MouseButtonRelease && watched->isWidgetType()) {
        // The lookup prompts act like the welcome texts: a click closes every child window.
        UnloadChildWindows();
        setWelcomePanelVisible(false);
    }
    return QMainWindow::eventFilter(watched, event);
}

} // namespace tarvo
