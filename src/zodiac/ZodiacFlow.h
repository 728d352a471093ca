#pragma once

#include "shell/AppContext.h"
#include "shell/Location.h"

#include <functional>

class QWidget;

namespace tarvo {

// Zodiac Yoga in the work area: the input window it starts on, and a sign's reading opened at a
// page as Find and the other programs lead to it.
class ZodiacFlow final {
    Q_DISABLE_COPY_MOVE(ZodiacFlow)

public:
    using FirstWindow = std::function<QWidget*(const AppContext&)>;

    // firstWindow makes the window the program starts on, fresh each time.
    ZodiacFlow(const AppContext& context, FirstWindow firstWindow);

    void start();
    // On the started program, the reading of the sign, made without a name, at the page; the page
    // shown, or nullptr.
    QWidget* open(const ZodiacLocation& location);

private:
    AppContext m_context;
    FirstWindow m_firstWindow;
};

} // namespace tarvo
