#pragma once

#include "app/Program.h"
#include "app/ProgramWindows.h"
#include "app/SectionNavigation.h"
#include "platform/AppContext.h"
#include "platform/Workspace.h"

#include <QMainWindow>
#include <QPointer>
#include <memory>

class QBoxLayout;
class QMdiArea;
class QMdiSubWindow;
class QStackedWidget;

namespace tarvo {

namespace practice {
class PracticeStore;
}

class ArticleViewer;
class LearnNavigation;
class LookupStrip;
class WelcomePanel;

// The main window: program switch, welcome panel, Learn Yoga navigation and lookup strip,
// and the work area in which every other window of the program opens.
class MainWindow final : public QMainWindow, public Workspace {
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(MainWindow)

public:
    MainWindow(const AppContext& context, ProgramWindows programs, QWidget* parent = nullptr);
    ~MainWindow() override;

    void selectProgram(Program program);
    void closeChildWindows();
    void toggleSection(Section section);
    void showArticle(const QString& buttonName);

    // The article viewer, opened by the first write to it.
    ArticleViewer& articleViewer();
    bool welcomePanelVisible() const;
    const SectionNavigation& navigation() const { return m_navigation; }

    void showChild(QWidget* form) override;
    void showFilling(QWidget* form) override;
    QRect workArea() const override;
    QWidget* child(const QString& objectName) const override;
    void setWelcomePanelVisible(bool visible) override;
    void showAbout() override;
    void practise(const QString& title, const QStringList& asanaNames) override;

    // Where the journal and the saved sessions are kept; until the program hands over its
    // database, a store that lasts as long as the window.
    practice::PracticeStore& practiceStore() const { return *m_practice; }
    void setPracticeStore(std::unique_ptr<practice::PracticeStore> store);

    // Tab and Shift+Tab over the whole window, the open children included.
    bool moveFocus(bool next) { return focusNextPrevChild(next); }

protected:
    void closeEvent(QCloseEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void buildMenus();
    QWidget* buildBanner();
    QWidget* buildProgramButtons();
    QWidget* buildExitStrip();
    void showIntroduction();
    void buildLearnYogaPanels();
    void hideLearnYogaPanels();
    void fitArticleViewer();
    void addSessionMenuItems();
    void showPracticeWindow(QWidget* form);
    QMdiSubWindow* subWindowOf(const QWidget* form) const;
    QMdiSubWindow* addChild(QWidget* form, Qt::WindowFlags flags = {});
    void placeInWorkArea(QMdiSubWindow* window);
    // Puts the promotion link and the exit button after the widgets of added in the tab order.
    void keepFootLastInTabOrder(QWidget* added);
    void shareAltLettersWith(QWidget* focus);

    AppContext m_context;
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
    // The child that covers the whole work area (a playing session), if one is open.
    QPointer<QWidget> m_filling;
    bool m_ownAltLetters = true;
    // Menu titles and buttons of the main window with their own captions, Alt-letters included.
    QList<std::pair<QObject*, QString>> m_altCaptions;
    std::unique_ptr<practice::PracticeStore> m_practice;
};

} // namespace tarvo
