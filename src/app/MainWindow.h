#pragma once

#include "app/Program.h"
#include "app/ProgramWindows.h"
#include "shell/AppContext.h"
#include "shell/Navigator.h"

#include <QMainWindow>
#include <memory>

namespace tarvo {

namespace practice {
class PracticeFlow;
} // namespace practice

class ChakraFlow;
class FindWindow;
class LearnFlow;
class PrintActions;
class ReadingZoom;
class WorkArea;
class ZodiacFlow;

// The main window: the menus, the program switch and the welcome panel around the work area in
// which every program's windows open. Each program's own flow decides what opens there; this
// window routes to them.
class MainWindow final : public QMainWindow, public Navigator {
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
    practice::PracticeFlow& practice() const { return *m_practice; }
    WorkArea& area() const { return *m_area; }
    bool welcomePanelVisible() const;
    void setWelcomePanelVisible(bool visible);
    // The size of the reading texts in every window, as View > Zoom sets it.
    ReadingZoom& readingZoom() const { return *m_zoom; }

    void open(const Location& location) override;
    void practise(const QString& title, const QStringList& asanaNames) override;
    void showAbout() override;

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    void buildMenus();
    void buildPracticeMenu();
    void buildEditMenu();
    // Shows the place and gives the page that shows it, or nullptr.
    QWidget* reveal(const Location& location);

    AppContext m_context;
    ReadingZoom* m_zoom;
    WorkArea* m_area = nullptr;
    std::unique_ptr<LearnFlow> m_learn;
    std::unique_ptr<ZodiacFlow> m_zodiac;
    std::unique_ptr<ChakraFlow> m_chakra;
    std::unique_ptr<practice::PracticeFlow> m_practice;
    QWidget* m_exit = nullptr;
    FindWindow* m_find = nullptr;
    PrintActions* m_printing = nullptr;
    // Menu titles and buttons of the main window with their own captions, Alt-letters included.
    QList<std::pair<QObject*, QString>> m_altCaptions;
};

} // namespace tarvo
