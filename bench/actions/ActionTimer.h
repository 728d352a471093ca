#pragma once

#include <QString>
#include <functional>

namespace tarvo::bench {

class TimedApplication;

struct FrameTimes {
    // To the end of the first frame that showed the watched window; negative when none did.
    double windowMs = -1;
    // To the end of the last frame the action caused, or to its return when that is later.
    double settledMs = 0;
};

// Times an action as the user waits for it: from the moment it starts until nothing has been
// painted for a while, less that quiet time.
class ActionTimer final {
public:
    explicit ActionTimer(TimedApplication& app)
        : m_app(app)
    {
    }

    // Runs action from the event loop, so a modal window it opens is timed in the window's own
    // loop and closed once it has settled. window names the window the action opens, if any;
    // the wait lasts until it has painted.
    FrameTimes time(const std::function<void()>& action, const QString& window = {});
    // The same, untimed: for the steps that lead to the next timed action.
    void run(const std::function<void()>& action) { time(action); }
    // Waits until nothing has painted for a while.
    void settle()
    {
        run([] {});
    }

private:
    FrameTimes untilQuiet(const std::function<void()>& action, const QString& window);

    TimedApplication& m_app;
};

} // namespace tarvo::bench
