#pragma once

#include "shell/AppContext.h"

#include <QWidget>

namespace tarvo {

// A window of the Zodiac or Chakra program. However it closes, the main window's welcome panel
// comes back; a program that goes on to its next window hides the panel again.
class ProgramWindow : public QWidget {
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(ProgramWindow)

public:
    explicit ProgramWindow(const AppContext& context, QWidget* parent = nullptr);

protected:
    void closeEvent(QCloseEvent* event) override;

    AppContext m_context;
};

// Opens a program window as a child of the main window, or on its own where there is none.
void openProgramWindow(const AppContext& context, QWidget* window);
// Hiding keeps the window and its state; showing brings it back where it was, with the focus.
void setProgramWindowVisible(QWidget* window, bool visible);
// Closes the window, and its frame in the work area; it is deleted then.
void closeProgramWindow(QWidget* window);
void setWelcomePanelVisible(const AppContext& context, bool visible);

} // namespace tarvo
