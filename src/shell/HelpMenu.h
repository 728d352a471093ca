#pragma once

#include <QString>

class QMenuBar;

namespace tarvo {

struct AppContext;

// Where the Help menus of the windows differ: two captions, and the names some windows give
// their separators.
struct HelpMenuCaptions {
    QString visit = QStringLiteral("&Visit Us Online");
    QString update = QStringLiteral("Check for Software &Update");
    QString firstSeparator{};
    QString secondSeparator{};
};

// Online help, the home page, the download page and the About box, as every window has them.
void addHelpMenu(QMenuBar& bar, const AppContext& context, const HelpMenuCaptions& captions = {});

} // namespace tarvo
