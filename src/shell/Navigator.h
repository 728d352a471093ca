#pragma once

#include "shell/Location.h"

#include <QStringList>

namespace tarvo {

// How one program leads to another, as the main window routes it.
class Navigator {
public:
    virtual ~Navigator() = default;

    // Shows the place in its program, switching program as the user would.
    virtual void open(const Location& location) = 0;
    // Starts a guided session of a reading's asanas (named as the reading names them), by way
    // of the cautions the user has ticked.
    virtual void practise(const QString& title, const QStringList& asanaNames) = 0;
    // The About box, which the Help menu of every window offers.
    virtual void showAbout() = 0;

protected:
    Navigator() = default;
    Navigator(const Navigator&) = default;
    Navigator& operator=(const Navigator&) = default;
};

} // namespace tarvo
