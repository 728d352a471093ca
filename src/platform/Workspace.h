#pragma once

#include <QRect>
#include <QString>
#include <QStringList>

class QWidget;

namespace tarvo {

// What the program windows need of the main window: a place to open as children,
// the welcome panel, the About box, the breathing guide and guided practice.
class Workspace {
public:
    virtual ~Workspace() = default;

    // Opens form as a child window, horizontally centred at the top of the work area and no
    // larger than it; the child is destroyed when it closes.
    virtual void showChild(QWidget* form) = 0;
    // Opens form without a frame over the whole work area, following its size; the child is
    // destroyed when it closes.
    virtual void showFilling(QWidget* form) = 0;
    // The work area in global coordinates, for dialogs that should sit over it.
    virtual QRect workArea() const = 0;
    // The open child whose form has this object name, or nullptr.
    virtual QWidget* child(const QString& objectName) const = 0;

    virtual void setWelcomePanelVisible(bool visible) = 0;
    virtual void showAbout() = 0;

    // Opens the breathing guide, or brings it forward, set to the pattern of this key
    // ("nadi-shodhana"); a practice under way keeps its own.
    virtual void showBreathingGuide(const QString& patternKey) = 0;

    // Starts a guided session of a reading's asanas (named as the reading names them), by way
    // of the cautions the user has ticked.
    virtual void practise(const QString& title, const QStringList& asanaNames) = 0;
};

} // namespace tarvo
