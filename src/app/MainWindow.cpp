#include "app/MainWindow.h"

#include "app/AboutDialog.h"
#include "app/AltLetters.h"
#include "app/MainWindowStyle.h"
#include "app/MatchHighlight.h"
#include "app/PrintActions.h"
#include "app/ProgramPictures.h"
#include "app/SearchHitOpener.h"
#include "app/WelcomePanel.h"
#include "asanas/LookupStrip.h"
#include "learn/ArticleCatalogue.h"
#include "learn/ArticleViewer.h"
#include "learn/LearnFlow.h"
#include "platform/AppInfo.h"
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
#include "practice/SessionCautionsWindow.h"
#include "practice/SessionPlayerWindow.h"
#include "practice/SessionsWindow.h"
#include "report/RichTextBox.h"
#include "search/FindWindow.h"
#include "shell/HelpMenu.h"
#include "shell/MakerLink.h"
#include "shell/ViewMenu.h"
#include "shell/WorkArea.h"

#include <QApplication>
#include <QCloseEvent>
#include <QHBoxLayout>
#include <QLabel>
#include <QListView>
#include <QMenuBar>
#include <QPushButton>
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
    column->addWidget(buildBanner());
    column->addWidget(buildProgramButtons());

    m_welcome = new WelcomePanel;
    connect(m_welcome, &WelcomePanel::programChosen, this, &MainWindow::selectProgram);
    connect(m_welcome, &WelcomePanel::textClicked, this, [this] {
        if (closeChildWindows())
            setWelcomePanelVisible(false);
    });

    m_area = new WorkArea(m_welcome);
    connect(m_area, &WorkArea::activeWindowChanged, m_printing, &PrintActions::updateEnabled);
    column->addWidget(m_area, 1);
    column->addWidget(buildExitStrip());
    m_area->setTabOrderFoot(m_promotion, m_exit);
    m_learn = std::make_unique<LearnFlow>(m_context, *m_area, *this);
    setCentralWidget(central);
    setStyleSheet(mainWindowStyleSheet());
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
    m_area->destroyAll();
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
    const auto item = [this, menu](const char* name, const QString& text, PracticeWindow window) {
        menu->addAction(text, this, [this, window] { open(PracticeLocation{window}); })
            ->setObjectName(QString::fromLatin1(name));
    };
    item("mnuNewSession", QStringLiteral("&New Session\u2026"), PracticeWindow::NewSession);
    item("mnuSessions", QStringLiteral("&Sessions\u2026"), PracticeWindow::Sessions);
    menu->addSeparator();
    item("mnuBreathingGuide", QStringLiteral("&Breathing Guide\u2026"),
         PracticeWindow::BreathingGuide);
    menu->addSeparator();
    item("mnuJournal", QStringLiteral("&Journal"), PracticeWindow::Journal);
    menu->addSeparator();
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
    if (!m_area->bringForward<practice::JournalWindow>())
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
        [this]() -> QWidget* { return m_area ? m_area->frontWindow() : nullptr; }, this);
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
    if (auto* open = m_area->bringForward<BreathingGuideWindow>()) {
        if (!patternKey.isEmpty())
            open->selectPattern(patternKey);
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
        connect(m_find, &FindWindow::resultChosen, this, [this](const search::SearchHit& hit) {
            QWidget* page = reveal(hit.location);
            // The match can only be scrolled to once the page has its final size.
            QCoreApplication::sendPostedEvents(nullptr, QEvent::LayoutRequest);
            highlightMatch(page, hit);
        });
        followReadingZoom(*m_find->results(), m_zoom);
        // At the right of the body, where it covers least of the pages it opens; the work area
        // itself has no place on screen while the welcome panel is up.
        const QRect area(m_area->mapToGlobal(QPoint(0, 0)), m_area->size());
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
        m_learn->start();
        break;
    case Program::ZodiacYoga:
    case Program::ChakraYoga: {
        m_learn->leave();
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
    return m_area->closeAll();
}

bool MainWindow::welcomePanelVisible() const
{
    return m_area->welcomeVisible();
}

void MainWindow::setWelcomePanelVisible(bool visible)
{
    m_area->setWelcomeVisible(visible);
}

void MainWindow::showChild(QWidget* form)
{
    m_area->open(form);
}

void MainWindow::showFilling(QWidget* form)
{
    m_area->open(form, Placement::Filling);
    m_area->activate(form);
    form->setFocus(Qt::OtherFocusReason);
}

// The welcome panel covers the work area; a practice window chosen from it must be seen.
void MainWindow::makeRoomForPractice()
{
    setWelcomePanelVisible(false);
    // Learn Yoga's panels would leave a practice window too little of the work area.
    m_learn->leave();
}

void MainWindow::enterLearnYoga()
{
    if (!m_learn->shown())
        selectProgram(Program::LearnYoga);
}

void MainWindow::showPracticeWindow(QWidget* form)
{
    makeRoomForPractice();
    showChild(form);
}

void MainWindow::practise(const QString& title, const QStringList& asanaNames)
{
    practise(practice::readyMadeSession(title, asanaNames));
}

void MainWindow::practise(const practice::ReadyMadeSession& session)
{
    makeRoomForPractice();
    practice::startSession(m_context, practiceStore(), session.session, session.notes);
}

void MainWindow::open(const Location& location)
{
    reveal(location);
}

QWidget* MainWindow::reveal(const Location& location)
{
    struct Reveal {
        MainWindow& main;
        QWidget* operator()(const ArticleLocation& place)
        {
            main.enterLearnYoga();
            return &main.m_learn->openArticle(place.article);
        }
        QWidget* operator()(const AsanaLocation& place)
        {
            main.enterLearnYoga();
            return &main.m_learn->openAsana(place.name);
        }
        QWidget* operator()(const ZodiacLocation& place) { return openZodiacPage(main, place); }
        QWidget* operator()(const ChakraLocation& place) { return openChakraPage(main, place); }
        QWidget* operator()(const ChakraAsanaLocation& place)
        {
            return openChakraPage(main, place);
        }
        QWidget* operator()(const PracticeLocation& place)
        {
            switch (place.window) {
            case PracticeWindow::NewSession:
                main.showPracticeWindow(practice::sessionBuilder(main.m_context, *main.m_practice));
                break;
            case PracticeWindow::Sessions:
                if (!main.m_area->bringForward<practice::SessionsWindow>())
                    main.showPracticeWindow(
                        new practice::SessionsWindow(main.m_context, *main.m_practice));
                break;
            case PracticeWindow::BreathingGuide:
                main.showBreathingGuide(place.breathingPattern);
                break;
            case PracticeWindow::Journal:
                main.showJournal();
                break;
            }
            return main.m_area->frontWindow();
        }
    };
    return std::visit(Reveal{*this}, location);
}

// Shortcuts of the main window stay live while a child has the focus, so where the child claims
// the same Alt-letter as a menu title or the Exit button of the main window (its own "&File",
// "&Help" and "&Exit"), pressing it would only move the focus between the two. The main window's
// letter steps aside while that child has the focus; the others keep working.
void MainWindow::shareAltLettersWith(QWidget* focus)
{
    const QWidget* active = m_area->activeWindowHolding(focus);
    const QSet<QChar> taken = active ? claimedAltLetters(active) : QSet<QChar>{};
    for (const auto& [control, caption] : std::as_const(m_altCaptions)) {
        QString shown = caption;
        if (taken.contains(altLetter(caption)))
            shown.remove(u'&');
        if (control->property("text").toString() != shown)
            control->setProperty("text", shown);
    }
}

QRect MainWindow::workArea() const
{
    return m_area->globalArea();
}

QWidget* MainWindow::child(const QString& objectName) const
{
    const QList<QWidget*> windows = m_area->windows();
    for (QWidget* window : windows) {
        if (window->objectName() == objectName)
            return window;
    }
    return nullptr;
}

void MainWindow::showAbout()
{
    AboutDialog about(m_context.desktop, this);
    about.exec();
}

void MainWindow::closeEvent(QCloseEvent* event)
{
    if (!closeChildWindows()) {
        event->ignore();
        return;
    }
    QMainWindow::closeEvent(event);
}

} // namespace tarvo
