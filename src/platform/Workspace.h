#pragma once

#include <QString>

class QWidget;

namespace tarvo {

// What the program windows need of the main window: a place to open as children,
// the welcome panel and the About box.
class Workspace {
public:
    virtual ~Workspace() = default;

    // Opens form as a child window; the child is destroyed when it closes.
    virtual void showChild(QWidget* form) = 0;
    // Left edge centred in the work area, top edge at the top.
    virtual void placeTopCentre(QWidget* form) = 0;
    // The open child whose form has this object name, or nullptr.
    virtual QWidget* child(const QString& objectName) const = 0;

    virtual void setWelcomePanelVisible(bool visible) = 0;
    virtual void showAbout() = 0;
};

} // namespace tarvo
