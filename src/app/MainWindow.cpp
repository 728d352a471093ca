#include "app/MainWindow.h"

#include "app/AboutDialog.h"
#include "app/AltLetters.h"
#include "app/LearnNavigation.h"
#include "app/MainWindowStyle.h"
#include "app/PrintActions.h"
#include "app/ProgramPictures.h"
#include "app/SearchHitOpener.h"
#include "app/WelcomePanel.h"
#include "asanas/LookupStrip.h"
#include "learn/ArticleCatalogue.h"
#include "learn/ArticleViewer.h"
#include "platform/AppInfo.h"
#include "platform/Clock.h"
#include "platform/KeyboardActivation.h"
#include "platform/LinkLabel.h"
#include "platform/ReadingText.h"
#include "platform/ReadingZoom.h"
#include "platform/StyleRole.h"
#include "platform/Twips.h"
#include "practice/BreathingGuideWindow.h"
#include "practice/Chime.h"
#include "practice/JournalWindow.h"
#include "practice/MemoryPracticeStore.h"
#include "practice/NotifyingPracticeStore.h"
#include "practice/ReadyMadeSession.h"
#include "practice/ResumePoint.h"
#include "practice/SessionCautionsWindow.h"
#include "practice/SessionPlayerWindow.h"
#include "practice/SessionsWindow.h"
#include "practice/VoiceSoundDialog.h"
#include "report/RichTextBox.h"
#include "search/FindWindow.h"
#include "shell/HelpMenu.h"
#include "shell/MakerLink.h"
#include "shell/ViewMenu.h"

#include <QApplication>
#include <QCloseEvent>
#include <QHBoxLayout>
#include <QLabel>
#include <QListView>
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
    explicit ChildFrame(MainWindow& main)
        : m_main(main)
    {
    }

protected:
    bool focusNextPrevChild(bool next) override { return m_main.moveFocus(next); }

private:
    MainWindow& m_main;
};

} // namespace

MainWindow::MainWindow(const AppContext& context, ProgramWindows programs, QWidget* parent)
    : QMainWindow(parent)
    , m_context{context.desktop, context.clock, context.settings, context.random, this}
    , m_zoom(new ReadingZoom(context.settings, this))
    , m_programs(std::move(programs))
    , m_practice(std::make_unique<practice::NotifyingPracticeStore>(
          std::make_unique<practice::MemoryPracticeStore>()))
{
    m_context.readingZoom = m_zoom;
    setObjectName(QStringLiteral("frmMDI"));
    setWindowTitle(kAppCaption);
    buildMenus();

    auto* central = new QWidget;
    auto* column = new QVBoxLayout(central);
    column->setContentsMargins(0, 0, 0, 0);
    column->setSpacing(0);
    QWidget* banner = buildBanner();
    column->addWidget(banner);
    QWidget* programStrip = buildProgramButtons();
    column->addWidget(programStrip);

    m_welcome = new WelcomePanel;
    connect(m_welcome, &WelcomePanel::programChosen, this, &MainWindow::selectProgram);
    connect(m_welcome, &WelcomePanel::textClicked, this, [this] {
        if (closeChildWindows())
            setWelcomePanelVisible(false);
    });

    m_work = new QWidget;
    m_work->setObjectName(QStringLiteral("work"));
    m_workColumn = new QVBoxLayout(m_work);
    m_workColumn->setContentsMargins(0, 0, 0, 0);
    m_workColumn->setSpacing(0);
    m_workRow = new QHBoxLayout;
    m_workRow->setSpacing(0);
    m_mdi = new QMdiArea;
    m_mdi->setObjectName(QStringLiteral("mdiArea"));
    m_mdi->setBackground(QColor(0xee, 0xf2, 0xf0));
    m_mdi->viewport()->installEventFilter(this);
    connect(m_mdi, &QMdiArea::subWindowActivated, m_printing, &PrintActions::updateEnabled);
    m_workRow->addWidget(m_mdi, 1);
    m_workColumn->addLayout(m_workRow, 1);

    m_body = new QStackedWidget;
    m_body->addWidget(m_welcome);
    m_body->addWidget(m_work);
    column->addWidget(m_body, 1);
    QWidget* foot = buildExitStrip();
    column->addWidget(foot);
    setCentralWidget(central);
    for (QWidget* part : {banner, programStrip, static_cast<QWidget*>(m_welcome), foot})
        styleChrome(part);
    activateButtonsOnEnter(this);
    for (QAction* title : menuBar()->actions())
        m_altCaptions.append({title, title->text()});
    m_altCaptions.append({m_exit, m_exit->property("text").toString()});
    connect(qApp, &QApplication::focusChanged, this,
            [this](QWidget*, QWidget* now) { shareAltLettersWith(now); });
    new AltLetterWatcher([this] { shareAltLettersWith(QApplication::focusWidget()); }, this);
    resize(1024, 720);
}

MainWindow::~MainWindow()
{
    // Destroying the child widgets moves the focus; by then this is no longer a MainWindow.
    disconnect(qApp, &QApplication::focusChanged, this, nullptr);
    // It asks the work area for the view in front whenever the focus moves.
    delete m_printing;
    // Children go first, while the practice store they may still write to is alive.
    const QList<QMdiSubWindow*> windows = m_mdi->subWindowList();
    qDeleteAll(windows);
}

practice::PracticeStore& MainWindow::practiceStore() const
{
    return *m_practice;
}

void MainWindow::setPracticeStore(std::unique_ptr<practice::PracticeStore> store)
{
    m_practice->replace(std::move(store));
}

void MainWindow::openPracticeStoreLater(
    std::function<std::unique_ptr<practice::PracticeStore>()> opener)
{
    m_practice->openLater(std::move(opener));
}

void MainWindow::openPracticeStoreNow()
{
    m_practice->openNow();
}

void MainWindow::buildPracticeMenu()
{
    QMenu* menu = menuBar()->addMenu(QStringLiteral("&Practice"));
    menu->setObjectName(QStringLiteral("mnuPractice"));
    QAction* newSession = menu->addAction(QStringLiteral("&New Session\u2026"), this, [this] {
        showPracticeWindow(practice::sessionBuilder(m_context, practiceStore()));
    });
    newSession->setObjectName(QStringLiteral("mnuNewSession"));
    QAction* sessions = menu->addAction(QStringLiteral("&Sessions\u2026"), this, [this] {
        if (QMdiSubWindow* open = subWindowOf(child(QStringLiteral("frmSessions"))))
            m_mdi->setActiveSubWindow(open);
        else
            showPracticeWindow(new practice::SessionsWindow(m_context, *m_practice));
    });
    sessions->setObjectName(QStringLiteral("mnuSessions"));
    menu->addSeparator();
    QAction* guide = menu->addAction(QStringLiteral("&Breathing Guide\u2026"), this,
                                     [this] { showBreathingGuide({}); });
    guide->setObjectName(QStringLiteral("mnuBreathingGuide"));
    menu->addSeparator();
    QAction* journal = menu->addAction(QStringLiteral("&Journal"), this, &MainWindow::showJournal);
    journal->setObjectName(QStringLiteral("mnuJournal"));
    menu->addSeparator();
    // A session stopped today, taken up from the pose it stopped at.
    QAction* resume = menu->addAction(QStringLiteral("&Resume a Stopped Session"), this, [this] {
        const auto point =
            practice::resumePoint(m_context.settings, m_context.clock.now().toLocalTime().date());
        if (!point)
            return;
        practice::clearResumePoint(m_context.settings);
        makeRoomForPractice();
        practice::startSession(m_context, practiceStore(), practice::remainingSession(*point));
    });
    resume->setObjectName(QStringLiteral("mnuResume"));
    connect(menu, &QMenu::aboutToShow, resume, [this, resume] {
        const auto point =
            practice::resumePoint(m_context.settings, m_context.clock.now().toLocalTime().date());
        resume->setEnabled(point.has_value());
        resume->setText(
            point ? practice::resumeText(*point).replace(u'&', QStringLiteral("&&")).prepend(u'&')
                  : QStringLiteral("&Resume a Stopped Session"));
    });
    QAction* sound = menu->addAction(QStringLiteral("&Voice and Sound\u2026"), this,
                                     [this] { practice::showVoiceAndSound(m_context, this); });
    sound->setObjectName(QStringLiteral("mnuVoiceAndSound"));
    // The same setting as the player's own box, so it can be set before a session starts.
    QAction* chime = menu->addAction(QStringLiteral("&Chime at Each Change"));
    chime->setObjectName(QStringLiteral("mnuChime"));
    chime->setCheckable(true);
    connect(menu, &QMenu::aboutToShow, chime,
            [this, chime] { chime->setChecked(practice::chimeEnabled(m_context.settings)); });
    connect(chime, &QAction::triggered, this, [this](bool on) {
        practice::setChimeEnabled(m_context.settings, on);
        if (auto* player = qobject_cast<practice::SessionPlayerWindow*>(
                child(QStringLiteral("frmSessionPlayer"))))
            player->followChimeSetting();
    });
}

void MainWindow::showJournal()
{
    if (QMdiSubWindow* open = subWindowOf(child(QStringLiteral("frmJournal")))) {
        m_mdi->setActiveSubWindow(open);
        return;
    }
    showPracticeWindow(new practice::JournalWindow(*m_practice, m_context));
}

void MainWindow::buildMenus()
{
    QMenu* file = menuBar()->addMenu(QStringLiteral("&File"));
    file->setObjectName(QStringLiteral("mnuFile"));
    QAction* exit = file->addAction(QStringLiteral("E&xit"), this, &QWidget::close);
    exit->setObjectName(QStringLiteral("mnuExit"));
    m_printing = new PrintActions(
        m_context.desktop,
        [this]() -> QWidget* {
            if (!m_mdi || m_mdi->subWindowList().isEmpty())
                return nullptr;
            // Until the window is first activated no child is current; the top one is in front.
            const QMdiSubWindow* front = m_mdi->currentSubWindow();
            if (!front)
                front = m_mdi->subWindowList(QMdiArea::StackingOrder).constLast();
            return front->widget();
        },
        this);
    m_printing->insertInto(*file, exit);

    buildEditMenu();
    addViewMenu(*menuBar(), *m_zoom);
    buildPracticeMenu();
    addHelpMenu(*menuBar(), m_context,
                {.firstSeparator = QStringLiteral("mnuSep2"),
                 .secondSeparator = QStringLiteral("mnuSep3")});
}

void MainWindow::showBreathingGuide(const QString& patternKey)
{
    if (auto* open =
            qobject_cast<BreathingGuideWindow*>(child(QStringLiteral("frmBreathingGuide")))) {
        if (!patternKey.isEmpty())
            open->selectPattern(patternKey);
        m_mdi->setActiveSubWindow(subWindowOf(open));
        return;
    }
    // An empty key opens the guide on its first pattern.
    showPracticeWindow(new BreathingGuideWindow(m_context, *m_practice, patternKey));
}

// Alt+E is the Exit button's, so the menu takes D.
void MainWindow::buildEditMenu()
{
    QMenu* edit = menuBar()->addMenu(QStringLiteral("E&dit"));
    edit->setObjectName(QStringLiteral("mnuEdit"));
    QAction* find = edit->addAction(QStringLiteral("&Find\u2026"), this, &MainWindow::showFind);
    find->setObjectName(QStringLiteral("mnuFind"));
    find->setShortcut(QKeySequence::Find);
}

void MainWindow::showFind()
{
    if (!m_find) {
        m_find = new FindWindow(this);
        m_find->setConditionSource([this] { return storedConditions(m_context.settings); });
        connect(m_find, &FindWindow::resultChosen, this,
                [this](const search::SearchHit& hit) { openSearchHit(*this, hit); });
        followReadingZoom(*m_find->results(), m_zoom);
        // At the right of the body, where it covers least of the pages it opens; the work area
        // itself has no place on screen while the welcome panel is up.
        const QRect area(m_body->mapToGlobal(QPoint(0, 0)), m_body->size());
        m_find->move(std::max(area.left(), area.right() - m_find->width() - 16), area.top() + 16);
    }
    m_find->showSearch();
}

QWidget* MainWindow::buildBanner()
{
    QWidget* banner = strip(QStringLiteral("picTopMain"), kBannerHeight);
    setStyleRole(banner, "banner");
    auto* layout = new QHBoxLayout(banner);
    layout->setContentsMargins(8, 0, 8, 0);
    LinkLabel* label = makerLink(m_context.desktop, QStringLiteral("lblSolvaneBanner"),
                                 QStringLiteral("Free yoga lessons, sun-sign readings and chakra "
                                                "tests - visit the Tarvo Yoga home page"),
                                 MakerPage::HomePage, banner);
    layout->addWidget(label, 0, Qt::AlignCenter);
    return banner;
}

QWidget* MainWindow::buildProgramButtons()
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
        connect(button, &QPushButton::clicked, this,
                [this, i] { selectProgram(static_cast<Program>(i)); });
        buttons->addWidget(button);
        if (i + 1 < captions.size())
            buttons->addSpacing(28);
    }
    auto* layout = new QHBoxLayout(top);
    layout->setContentsMargins(8, 0, 8, 0);
    layout->addWidget(container, 0, Qt::AlignCenter);
    return top;
}

QWidget* MainWindow::buildExitStrip()
{
    QWidget* bottom = strip(QStringLiteral("PicCoBrand"), 0);
    setStyleRole(bottom, "footer");
    auto* layout = new QHBoxLayout(bottom);
    layout->setContentsMargins(12, twipsToPixels(120), twipsToPixels(120), twipsToPixels(120));
    LinkLabel* promo = makerLink(m_context.desktop, QStringLiteral("Label7"),
                                 QStringLiteral("Tarvo Yoga with your own name and logo: ask for "
                                                "the fully branded edition"),
                                 MakerPage::FullyBranded, bottom);
    setStyleRole(promo, "promotion");
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

void MainWindow::selectProgram(Program program)
{
    if (!closeChildWindows())
        return;
    setWelcomePanelVisible(false);
    switch (program) {
    case Program::LearnYoga:
        buildLearnYogaPanels();
        m_learnNavigation->show();
        showIntroduction();
        break;
    case Program::ZodiacYoga:
    case Program::ChakraYoga: {
        hideLearnYogaPanels();
        const auto& factory =
            program == Program::ZodiacYoga ? m_programs.zodiac : m_programs.chakra;
        if (!factory)
            break;
        showChild(factory(m_context));
        break;
    }
    }
}

bool MainWindow::closeChildWindows()
{
    const QList<QMdiSubWindow*> windows = m_mdi->subWindowList();
    for (QMdiSubWindow* window : windows) {
        if (!window->close())
            return false;
        // A closed child is deleted only later; the next write must go to a new viewer.
        if (window == subWindowOf(m_viewer))
            m_viewer = nullptr;
    }
    return true;
}

void MainWindow::hideLearnYogaPanels()
{
    if (QMdiSubWindow* viewer = subWindowOf(m_viewer))
        viewer->close();
    m_viewer = nullptr;
    if (m_learnNavigation) {
        m_lookupStrip->hide();
        m_learnNavigation->hide();
    }
}

// The welcome screen shows neither panel, so they are built when Learn Yoga is first chosen.
void MainWindow::buildLearnYogaPanels()
{
    if (m_learnNavigation)
        return;
    m_lookupStrip = new LookupStrip([this]() -> ArticleViewer& { return articleViewer(); });
    m_lookupStrip->setAttribute(Qt::WA_StyledBackground);
    styleChrome(m_lookupStrip);
    m_lookupStrip->setConditionSource([this] { return storedConditions(m_context.settings); });
    m_lookupStrip->hide();
    for (QLabel* caption : m_lookupStrip->captions())
        caption->installEventFilter(this);
    m_workColumn->insertWidget(0, m_lookupStrip);

    m_learnNavigation = new LearnNavigation;
    m_learnNavigation->setAttribute(Qt::WA_StyledBackground);
    styleChrome(m_learnNavigation);
    m_learnNavigation->hide();
    connect(m_learnNavigation, &LearnNavigation::headerClicked, this, &MainWindow::toggleSection);
    connect(m_learnNavigation, &LearnNavigation::articleClicked, this, &MainWindow::showArticle);
    m_workRow->insertWidget(0, m_learnNavigation);
    // Widgets added to a shown window join its tab order at the end, after the foot.
    keepFootLastInTabOrder(m_learnNavigation);
}

void MainWindow::showIntroduction()
{
    articleViewer().showArticle(introduction());
}

namespace {

LookupPanel lookupPanel(Section section)
{
    switch (section) {
    case Section::AsanasByBodyPart:
        return LookupPanel::ByBodyPart;
    case Section::AsanasByApplication:
        return LookupPanel::ByApplication;
    default:
        return LookupPanel::ByName;
    }
}

} // namespace

void MainWindow::toggleSection(Section section)
{
    applySection(section);
    // An article section opens on its first article, a lookup on the first entry of its list.
    if (isLookup(section))
        m_lookupStrip->selectFirst(lookupPanel(section));
    else
        showArticle(QStringLiteral("Command%1").arg(int(section) * 10 + 1));
}

void MainWindow::applySection(Section section)
{
    buildLearnYogaPanels();
    const SectionLayout layout = m_navigation.toggle(section);
    m_lookupStrip->setVisible(layout.lookupStripVisible);
    if (layout.lookupStripVisible && layout.shownPanel)
        m_lookupStrip->showPanel(lookupPanel(*layout.shownPanel));
    m_learnNavigation->applyLayout(layout);
    fitArticleViewer();
}

void MainWindow::enterLearnYoga()
{
    const bool shown =
        !welcomePanelVisible() && m_learnNavigation && m_learnNavigation->isVisibleTo(this);
    if (!shown)
        selectProgram(Program::LearnYoga);
}

void MainWindow::showLearnArticle(const QString& buttonName)
{
    enterLearnYoga();
    for (const Section section : kSections) {
        if (isLookup(section))
            continue;
        const QList<ArticleButton> buttons = articleButtons(int(section));
        const bool here = std::any_of(buttons.cbegin(), buttons.cend(),
                                      [&](const auto& b) { return b.name == buttonName; });
        if (here && !m_navigation.expanded(section))
            applySection(section);
    }
    showArticle(buttonName);
}

void MainWindow::showAsanaPage(const QString& name)
{
    enterLearnYoga();
    // A lookup header shows its panel whether it was open or not.
    applySection(Section::AsanasByName);
    m_lookupStrip->showAsanaByName(name);
}

void MainWindow::showArticle(const QString& buttonName)
{
    if (const auto article = articleForButton(buttonName))
        articleViewer().showArticle(*article);
}

ArticleViewer& MainWindow::articleViewer()
{
    if (!m_viewer) {
        m_viewer = new ArticleViewer(m_context.desktop, this);
        followReadingZoom(m_viewer->richTextBox(), m_zoom);
        addChild(m_viewer, Qt::FramelessWindowHint);
        fitArticleViewer();
    }
    return *m_viewer;
}

void MainWindow::fitArticleViewer()
{
    // The viewer takes the whole work area beside the navigation, whatever strips are shown;
    // so does a playing session.
    for (const QWidget* form : {static_cast<QWidget*>(m_viewer), m_filling.data()}) {
        if (QMdiSubWindow* frame = subWindowOf(form))
            frame->setGeometry(QRect(QPoint(0, 0), m_mdi->viewport()->size()));
    }
}

bool MainWindow::welcomePanelVisible() const
{
    return m_body->currentWidget() == m_welcome;
}

void MainWindow::setWelcomePanelVisible(bool visible)
{
    m_body->setCurrentWidget(visible ? static_cast<QWidget*>(m_welcome) : m_work);
}

void MainWindow::showChild(QWidget* form)
{
    activateButtonsOnEnter(form);
    addChild(form);
}

void MainWindow::showFilling(QWidget* form)
{
    setWelcomePanelVisible(false);
    activateButtonsOnEnter(form);
    QMdiSubWindow* frame = addChild(form, Qt::FramelessWindowHint);
    m_filling = form;
    welcomeBackAfterLast(form);
    fitArticleViewer();
    m_mdi->setActiveSubWindow(frame);
    form->setFocus(Qt::OtherFocusReason);
}

// The welcome panel covers the work area; a practice window chosen from it must be seen.
void MainWindow::makeRoomForPractice()
{
    setWelcomePanelVisible(false);
    // Learn Yoga's panels would leave a practice window too little of the work area.
    hideLearnYogaPanels();
}

void MainWindow::showPracticeWindow(QWidget* form)
{
    makeRoomForPractice();
    showChild(form);
    welcomeBackAfterLast(form);
}

// Practice windows, like the programs' windows, leave the welcome panel, not an empty work area.
void MainWindow::welcomeBackAfterLast(QWidget* form)
{
    connect(form, &QObject::destroyed, this, [this] {
        // Queued: the frame of the form is still in the work area's list while it goes.
        QMetaObject::invokeMethod(
            this,
            [this] {
                const bool learning = m_learnNavigation && m_learnNavigation->isVisible();
                if (m_mdi->subWindowList().isEmpty() && !learning)
                    setWelcomePanelVisible(true);
            },
            Qt::QueuedConnection);
    });
}

void MainWindow::practise(const QString& title, const QStringList& asanaNames)
{
    makeRoomForPractice();
    const practice::ReadyMadeSession made = practice::readyMadeSession(title, asanaNames);
    practice::startSession(m_context, practiceStore(), made.session, made.notes);
}

QMdiSubWindow* MainWindow::addChild(QWidget* form, Qt::WindowFlags flags)
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
    keepFootLastInTabOrder(frame);
    return frame;
}

void MainWindow::keepFootLastInTabOrder(QWidget* added)
{
    QWidget* last = added;
    for (QWidget* w = added->nextInFocusChain(); added->isAncestorOf(w);
         w = w->nextInFocusChain()) {
        if (w->focusPolicy() != Qt::NoFocus)
            last = w;
    }
    setTabOrder(last, m_promotion);
    setTabOrder(m_promotion, m_exit);
}

// Shortcuts of the main window stay live while a child has the focus, so where the child claims
// the same Alt-letter as a menu title or the Exit button of the main window (its own "&File",
// "&Help" and "&Exit"), pressing it would only move the focus between the two. The main window's
// letter steps aside while that child has the focus; the others keep working.
void MainWindow::shareAltLettersWith(QWidget* focus)
{
    const QMdiSubWindow* active =
        focus && m_mdi->isAncestorOf(focus) ? m_mdi->activeSubWindow() : nullptr;
    const QSet<QChar> taken =
        active && active->widget() ? claimedAltLetters(active->widget()) : QSet<QChar>{};
    for (const auto& [control, caption] : std::as_const(m_altCaptions)) {
        QString shown = caption;
        if (taken.contains(altLetter(caption)))
            shown.remove(u'&');
        if (control->property("text").toString() != shown)
            control->setProperty("text", shown);
    }
}

void MainWindow::placeInWorkArea(QMdiSubWindow* window)
{
    // Panels hidden or shown just before (the navigation, the welcome panel) change the work
    // area only when their layouts run; centring before that would use the old width.
    QCoreApplication::sendPostedEvents(nullptr, QEvent::LayoutRequest);
    const QSize area = m_mdi->viewport()->size();
    const QSize size = window->sizeHint().boundedTo(area).expandedTo(window->minimumSizeHint());
    window->resize(size);
    window->move(std::max(0, (area.width() - size.width()) / 2), 0);
}

QRect MainWindow::workArea() const
{
    const QWidget* viewport = m_mdi->viewport();
    return QRect(viewport->mapToGlobal(QPoint(0, 0)), viewport->size());
}

QWidget* MainWindow::child(const QString& objectName) const
{
    const QList<QMdiSubWindow*> windows = m_mdi->subWindowList();
    for (QMdiSubWindow* window : windows) {
        if (window->widget() && window->widget()->objectName() == objectName)
            return window->widget();
    }
    return nullptr;
}

void MainWindow::showAbout()
{
    AboutDialog about(m_context.desktop, this);
    about.exec();
}

QMdiSubWindow* MainWindow::subWindowOf(const QWidget* form) const
{
    if (!form)
        return nullptr;
    return qobject_cast<QMdiSubWindow*>(form->parentWidget());
}

void MainWindow::closeEvent(QCloseEvent* event)
{
    if (!closeChildWindows()) {
        event->ignore();
        return;
    }
    QMainWindow::closeEvent(event);
}

bool MainWindow::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == m_mdi->viewport() && event->type() == QEvent::Resize)
        fitArticleViewer();
    else if (event->type() == QEvent::MouseButtonRelease && watched->isWidgetType()) {
        // The lookup prompts act like the welcome texts: a click closes every child window.
        if (closeChildWindows())
            setWelcomePanelVisible(false);
    }
    return QMainWindow::eventFilter(watched, event);
}

} // namespace tarvo
