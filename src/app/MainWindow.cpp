#include "app/MainWindow.h"

#include "app/AboutDialog.h"
#include "app/AltLetters.h"
#include "app/MainWindowStrips.h"
#include "app/MatchHighlight.h"
#include "app/PrintActions.h"
#include "app/WelcomePanel.h"
#include "asanas/HealthConditions.h"
#include "chakra/ChakraFlow.h"
#include "learn/ArticleViewer.h"
#include "learn/LearnFlow.h"
#include "platform/AppInfo.h"
#include "platform/KeyboardActivation.h"
#include "platform/ReadingText.h"
#include "platform/ReadingZoom.h"
#include "practice/Chime.h"
#include "practice/PracticeFlow.h"
#include "practice/VoiceSoundDialog.h"
#include "practice/sessions/ResumePoint.h"
#include "report/RichTextBox.h"
#include "search/FindWindow.h"
#include "shell/HelpMenu.h"
#include "shell/MainWindowStyle.h"
#include "shell/ViewMenu.h"
#include "shell/WorkArea.h"
#include "zodiac/ZodiacFlow.h"

#include <QApplication>
#include <QCloseEvent>
#include <QListView>
#include <QMenuBar>
#include <QPushButton>
#include <QVBoxLayout>

namespace tarvo {

MainWindow::MainWindow(const AppContext& context, ProgramWindows programs, QWidget* parent)
    : QMainWindow(parent)
    , m_context{context.desktop, context.clock, context.settings, context.random, nullptr, this}
    , m_zoom(new ReadingZoom(context.settings, this))
{
    m_context.readingZoom = m_zoom;
    setObjectName(QStringLiteral("frmMDI"));
    setWindowTitle(kAppCaption);
    buildMenus();

    auto* central = new QWidget;
    auto* column = new QVBoxLayout(central);
    column->setContentsMargins(0, 0, 0, 0);
    column->setSpacing(0);
    QWidget* banner = bannerStrip(m_context.desktop);
    column->addWidget(banner);
    QWidget* switcher =
        programStrip([this](Program program) { selectProgram(program); }, devicePixelRatio());
    column->addWidget(switcher);

    auto* welcome = new WelcomePanel;
    connect(welcome, &WelcomePanel::programChosen, this, &MainWindow::selectProgram);
    connect(welcome, &WelcomePanel::textClicked, this, [this] {
        if (closeChildWindows())
            setWelcomePanelVisible(false);
    });

    m_area = new WorkArea(welcome);
    m_context.area = m_area;
    connect(m_area, &WorkArea::activeWindowChanged, m_printing, &PrintActions::updateEnabled);
    column->addWidget(m_area, 1);
    const FootStrip foot = footStrip(m_context.desktop);
    connect(foot.exit, &QPushButton::clicked, this, &QWidget::close);
    m_exit = foot.exit;
    column->addWidget(foot.strip);
    m_area->setTabOrderFoot(foot.promotion, m_exit);

    m_learn = std::make_unique<LearnFlow>(m_context);
    m_zodiac = std::make_unique<ZodiacFlow>(m_context, std::move(programs.zodiac));
    m_chakra = std::make_unique<ChakraFlow>(m_context, std::move(programs.chakra));
    m_practice = std::make_unique<practice::PracticeFlow>(m_context);

    setCentralWidget(central);
    for (QWidget* part : {banner, switcher, static_cast<QWidget*>(welcome), foot.strip})
        styleChrome(part);
    activateButtonsOnEnter(this);
    for (QAction* title : menuBar()->actions())
        m_altCaptions.append({title, title->text()});
    m_altCaptions.append({m_exit, m_exit->property("text").toString()});
    connect(qApp, &QApplication::focusChanged, this, [this](QWidget*, QWidget* now) {
        shareAltLetters(m_altCaptions, m_area->activeWindowHolding(now));
    });
    new AltLetterWatcher(
        [this] {
            shareAltLetters(m_altCaptions,
                            m_area->activeWindowHolding(QApplication::focusWidget()));
        },
        this);
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

// Alt+E is the Exit button's, so the menu takes D.
void MainWindow::buildEditMenu()
{
    QMenu* edit = menuBar()->addMenu(QStringLiteral("E&dit"));
    edit->setObjectName(QStringLiteral("mnuEdit"));
    QAction* find = edit->addAction(QStringLiteral("&Find\u2026"), this, &MainWindow::showFind);
    find->setObjectName(QStringLiteral("mnuFind"));
    find->setShortcut(QKeySequence::Find);
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
    // A session stopped today, taken up from the pose it stopped at.
    QAction* resume = menu->addAction(QStringLiteral("&Resume a Stopped Session"), this, [this] {
        if (!m_practice->resumePoint())
            return;
        m_learn->leave();
        m_practice->resume();
    });
    resume->setObjectName(QStringLiteral("mnuResume"));
    connect(menu, &QMenu::aboutToShow, resume, [this, resume] {
        const auto point = m_practice->resumePoint();
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
    connect(chime, &QAction::triggered, this, [this](bool on) { m_practice->setChimeEnabled(on); });
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

void MainWindow::selectProgram(Program program)
{
    if (!closeChildWindows())
        return;
    setWelcomePanelVisible(false);
    if (program != Program::LearnYoga)
        m_learn->leave();
    switch (program) {
    case Program::LearnYoga:
        m_learn->start();
        break;
    case Program::ZodiacYoga:
        m_zodiac->start();
        break;
    case Program::ChakraYoga:
        m_chakra->start();
        break;
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

void MainWindow::practise(const QString& title, const QStringList& asanaNames)
{
    // Learn Yoga's panels would leave a practice window too little of the work area.
    m_learn->leave();
    m_practice->practise(title, asanaNames);
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
            if (!main.m_learn->shown())
                main.selectProgram(Program::LearnYoga);
            return &main.m_learn->openArticle(place.article);
        }
        QWidget* operator()(const AsanaLocation& place)
        {
            if (!main.m_learn->shown())
                main.selectProgram(Program::LearnYoga);
            return &main.m_learn->openAsana(place.name);
        }
        QWidget* operator()(const ZodiacLocation& place)
        {
            main.selectProgram(Program::ZodiacYoga);
            return main.m_zodiac->open(place);
        }
        QWidget* operator()(const ChakraLocation& place) { return chakra(place); }
        QWidget* operator()(const ChakraAsanaLocation& place) { return chakra(place); }
        QWidget* operator()(const PracticeLocation& place)
        {
            main.m_learn->leave();
            return main.m_practice->open(place);
        }
        QWidget* chakra(const Location& place)
        {
            main.selectProgram(Program::ChakraYoga);
            return main.m_chakra->open(place);
        }
    };
    return std::visit(Reveal{*this}, location);
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
