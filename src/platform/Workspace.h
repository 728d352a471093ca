#pragma once

#include <QRect>
#include <QString>

class QWidget;

namespace tarvo {

// What the program windows need of the main window: a place to open as children,
// the welcome panel, the About box and the breathing guide.
class Workspace {
public:
    virtual ~Workspace() = default;

    // Opens form as a child window, horizontally centred at the top of the work area and no
    // larger than it; the child is destroyed when it closes.
    virtual void showChild(QWidget* form) = 0;
    // The work area in global coordinates, for dialogs that should sit over it.
    virtual QRect workArea() const = 0;
    // The open child whose form has this object name, or nullptr.
    virtual QWidget* child(const QString& objectName) const = 0;

    virtual void setWelcomePanelVisible(bool visible) = 0;
    virtual void showAbout() = 0;

    // Opens the breathing guide, or brings it forward, set to the pattern of this key
    // ("nadi-shodhana"); a practice under way keeps its own.
    virtual void showBreathingGuide(const QString& patternKey) = 0;
};

} // namespace tarvo
