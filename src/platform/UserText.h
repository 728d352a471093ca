#pragma once

#include <QString>

namespace tarvo {

// Text the user typed (a session's name, a note), set apart from the program's words around it
// in a first-strong isolate: it takes its own direction, and a right-to-left override or
// embedding in it ends where it ends, instead of turning the rest of the line around.
QString isolated(const QString& userText);

} // namespace tarvo
