#pragma once

namespace tarvo {

// Starts the program: the single-instance rule, the seams, the main window.
int runApplication(int argc, char** argv);

} // namespace tarvo
