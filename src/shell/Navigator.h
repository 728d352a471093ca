#pragma once

#include "shell/Location.h"

namespace tarvo {

namespace practice {
struct ReadyMadeSession;
}

// How one program leads to another, as the main window routes it.
class Navigator {
public:
    virtual ~Navigator() = default;

    // Shows the place in its program, switching program as the user would.
    virtual void open(const Location& location) = 0;
    // Starts a guided session by way of the cautions the user has ticked.
    virtual void practise(const practice::ReadyMadeSession& session) = 0;

protected:
    Navigator() = default;
    Navigator(const Navigator&) = default;
    Navigator& operator=(const Navigator&) = default;
};

} // namespace tarvo
