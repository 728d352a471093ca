#pragma once

class QApplication;

namespace tarvo {

// Every text asks for Verdana; pin its substitute so the look does not depend on
// which sans-serif fonts happen to be installed.
void installProgramFont(QApplication& app);

} // namespace tarvo
