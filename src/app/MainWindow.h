#pragma once

#include "app/Program.h"
#include "app/ProgramWindows.h"
#include "learn/LearnFlow.h"
#include "platform/AppContext.h"
#include "platform/Workspace.h"
#include "shell/Navigator.h"

#include <QMainWindow>
#include <QPointer>
#include <functional>
#include <memory>

class QMenu;

namespace tarvo {

namespace practice {
class NotifyingPracticeStore;
class PracticeStore;
struct ReadyMadeSession;
} // namespace practice

class FindWindow;
class PrintActions;
class ReadingZoom;
class WelcomePanel;
class WorkArea;

// The main window: program switch, welcome panel, Learn Yoga navigation and lookup strip,
// and the work area in which every other window of the program opens.
class MainWindow final : public QMainWindow, public Workspace, public Navigator {
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(MainWindow)

public:
    MainWindow(const AppContext& context, ProgramWindows programs, QWidget* parent = nullptr);
    ~MainWindow() override;

    // Does nothing when a child window refuses to close, as a playing session may.
    void selectProgram(Program program);
    // False when a child window refused to close; those before it are closed.
    bool closeChildWindows();

    // Opens Find, or brings it forward; the window is made on first use and kept.
    void showFind();
    FindWindow* findWindow() const { return m_find; }
    const AppContext& context() const { return m_context; }

    LearnFlow& learn() const { return *m_learn; }
    bool welcomePanelVisible() const;
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
    void open(const Location& location) override;
    void practise(const practice::ReadyMadeSession& session) override;

    // Where the journal and the saved sessions are kept; until the program hands over its
    // database, a store that lasts as long as the window.
    practice::PracticeStore& practiceStore() const;
    void setPracticeStore(std::unique_ptr<practice::PracticeStore> store);
    // The journal is opened by opener when Practice first needs it, or by openPracticeStoreNow().
    void openPracticeStoreLater(std::function<std::unique_ptr<practice::PracticeStore>()> opener);
    void openPracticeStoreNow();
    // Practice > Journal: opens the journal, or brings the open one forward.
    void showJournal();

    WorkArea& area() const { return *m_area; }

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    void buildMenus();
    void buildPracticeMenu();
    void buildEditMenu();
    void enterLearnYoga();
    QWidget* buildBanner();
    QWidget* buildProgramButtons();
    QWidget* buildExitStrip();
    void makeRoomForPractice();
    void showPracticeWindow(QWidget* form);
    // Shows the place and gives the page that shows it, or nullptr.
    QWidget* reveal(const Location& location);
    void shareAltLettersWith(QWidget* focus);

    AppContext m_context;
    ReadingZoom* m_zoom;
    ProgramWindows m_programs;

    WelcomePanel* m_welcome = nullptr;
    WorkArea* m_area = nullptr;
    std::unique_ptr<LearnFlow> m_learn;
    QWidget* m_promotion = nullptr;
    QWidget* m_exit = nullptr;
    FindWindow* m_find = nullptr;
    PrintActions* m_printing = nullptr;
    // Menu titles and buttons of the main window with their own captions, Alt-letters included.
    QList<std::pair<QObject*, QString>> m_altCaptions;
    // Windows that show practice follow this store's signals.
    std::unique_ptr<practice::NotifyingPracticeStore> m_practice;
};

} // namespace tarvo
