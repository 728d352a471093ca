#pragma once

#include "app/Program.h"

#include <QtGlobal>
#include <functional>

class QPushButton;
class QWidget;

namespace tarvo {

class Desktop;

// The strips of the main window above and below its work area.

// The banner with the link to the maker's home page.
QWidget* bannerStrip(Desktop& desktop);
// The three program buttons with their pictures; chosen is told which was pressed.
QWidget* programStrip(const std::function<void(Program)>& chosen, qreal devicePixelRatio);

struct FootStrip {
    QWidget* strip;
    QWidget* promotion;
    QPushButton* exit;
};
// The link to the branded edition and the Exit button.
FootStrip footStrip(Desktop& desktop);

} // namespace tarvo
