#pragma once

#include <functional>

class QWidget;

namespace tarvo {

struct AppContext;

// The first window of each of the two advice programs, made fresh at every program switch.
struct ProgramWindows {
    std::function<QWidget*(const AppContext&)> zodiac;
    std::function<QWidget*(const AppContext&)> chakra;
};

// The program's own windows, as the application wires them.
ProgramWindows programWindows();

} // namespace tarvo
