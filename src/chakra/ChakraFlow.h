#pragma once

#include "shell/AppContext.h"
#include "shell/Location.h"

#include <functional>

class QWidget;

namespace tarvo {

// Chakra Yoga in the work area: the selection it starts on, and a chakra's text or an asana
// record opened outside a test, as Find and the other programs lead to them.
class ChakraFlow final {
    Q_DISABLE_COPY_MOVE(ChakraFlow)

public:
    using FirstWindow = std::function<QWidget*(const AppContext&)>;

    // firstWindow makes the window the program starts on, fresh each time.
    ChakraFlow(const AppContext& context, FirstWindow firstWindow);

    void start();
    // On the started program, the page of a ChakraLocation or ChakraAsanaLocation with the
    // selection kept behind it for Back; the page shown, or nullptr.
    QWidget* open(const Location& location);

private:
    AppContext m_context;
    FirstWindow m_firstWindow;
};

} // namespace tarvo
