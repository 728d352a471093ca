#pragma once

class QWidget;

namespace tarvo {

// Outside dialogs a push button ignores Enter and Return unless it is the default button.
// In the given window they click the focused push button, as Space does; with the focus on any
// other control of the window that leaves the key unused, they click the window's visible
// default button, as in a dialog. Nested windows that call this too keep their own keys.
void activateButtonsOnEnter(QWidget* window);

} // namespace tarvo
