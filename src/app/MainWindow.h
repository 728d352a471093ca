#pragma once

#include "app/Program.h"
#include "app/ProgramWindows.h"
#include "app/SectionNavigation.h"
#include "platform/AppContext.h"
#include "platform/Workspace.h"

#include <QMainWindow>
#include <QPointer>
#include <functional>
#include <memory>

class QBoxLayout;
class QMdiArea;
class QMenu;
class QMdiSubWindow;
class QStackedWidget;

namespace tarvo {

namespace practice {
class NotifyingPracticeStore;
class PracticeStore;
} // namespace practice

class ArticleViewer;
class FindWindow;
class LearnNavigation;
class LookupStrip;
class PrintActions;
class ReadingZoom;
class WelcomePanel;

// The main window: program switch, welcome panel, Learn Yoga navigation and lookup strip,
// and the work area in which every other window of the program opens.
class MainWindow final : public QMainWindow, public Workspace {
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(MainWindow)

public:
    MainWindow(const AppContext& context, ProgramWindows programs, QWidget* parent = nullptr);
    ~MainWindow() override;

    // Does nothing when a child window refuses to close, as a playing session may.
    void selectProgram(Program program);
    // False when a child window refused to close; those before it are closed.
    bool closeChildWindows();
    void toggleSection(Section section);
    void showArticle(const QString& buttonName);
    // Learn Yoga as a user finds a text there: the article with its section open, or the asana's
    // page with the lookup by name beside it.
    void showLearnArticle(const QString& buttonName);
    void showAsanaPage(const QString& name);

    // Opens Find, or brings it forward; the window is made on first use and kept.
    void showFind();
    FindWindow* findWindow() const { return m_find; }
    const AppContext& context() const { return m_context; }

    // The article viewer, opened by the first write to it.
    ArticleViewer& articleViewer();
    bool welcomePanelVisible() const;
    const SectionNavigation& navigation() const { return m_navigation; }
    // The size of the reading texts in every window, as View > Zoom sets it.
    ReadingZoom& readingZoom() const { return *m_zoom; }

    void showChild(QWidget* form) override;
    void showFilling(QWidget* form) override;
    QRect workArea() const override;
    QWidget* child(const QString& objectName) const override;
    void setWelcomePanelVisible(bool visible) override;
    void showAbout() override;
    void showBreathingGuide(const QString& patternKey) override;
    void practise(const QString& title, const QStringList& asanaNames) override;

    // Where the journal and the saved sessions are kept; until the program hands over its
    // database, a store that lasts as long as the window.
    practice::PracticeStore& practiceStore() const;
    void setPracticeStore(std::unique_ptr<practice::PracticeStore> store);
    // The journal is opened by opener when Practice first needs it, or by openPracticeStoreNow().
    void openPracticeStoreLater(std::function<std::unique_ptr<practice::PracticeStore>()> opener);
    void openPracticeStoreNow();
    // Practice > Journal: opens the journal, or brings the open one forward.
    void showJournal();

    // Tab and Shift+Tab over the whole window, the open children included.
    bool moveFocus(bool next) { return focusNextPrevChild(next); }

protected:
    void closeEvent(QCloseEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void buildMenus();
    void buildPracticeMenu();
    void buildEditMenu();
    void enterLearnYoga();
    void applySection(Section section);
    QWidget* buildBanner();
    QWidget* buildProgramButtons();
    QWidget* buildExitStrip();
    void showIntroduction();
    void buildLearnYogaPanels();
    void hideLearnYogaPanels();
    void fitArticleViewer();
    void makeRoomForPractice();
    void showPracticeWindow(QWidget* form);
    void welcomeBackAfterLast(QWidget* form);
    QMdiSubWindow* subWindowOf(const QWidget* form) const;
    QMdiSubWindow* addChild(QWidget* form, Qt::WindowFlags flags = {});
    void placeInWorkArea(QMdiSubWindow* window);
    // Puts the promotion link and the exit button after the widgets of added in the tab order.
    void keepFootLastInTabOrder(QWidget* added);
    void shareAltLettersWith(QWidget* focus);

    AppContext m_context;
    ReadingZoom* m_zoom;
    ProgramWindows m_programs;
    SectionNavigation m_navigation;

    QStackedWidget* m_body = nullptr;
    WelcomePanel* m_welcome = nullptr;
    QWidget* m_work = nullptr;
    QBoxLayout* m_workColumn = nullptr;
    QBoxLayout* m_workRow = nullptr;
    // Built with the first choice of Learn Yoga, both at once.
    LookupStrip* m_lookupStrip = nullptr;
    LearnNavigation* m_learnNavigation = nullptr;
    QMdiArea* m_mdi = nullptr;
    QWidget* m_promotion = nullptr;
    QWidget* m_exit = nullptr;
    QPointer<ArticleViewer> m_viewer;
    FindWindow* m_find = nullptr;
    PrintActions* m_printing = nullptr;
    // The child that covers the whole work area (a playing session), if one is open.
    QPointer<QWidget> m_filling;
    // Menu titles and buttons of the main window with their own captions, Alt-letters included.
    QList<std::pair<QObject*, QString>> m_altCaptions;
    // Windows that show practice follow this store's signals.
    std::unique_ptr<practice::NotifyingPracticeStore> m_practice;
};

} // namespace tarvo
