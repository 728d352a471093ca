#pragma once

#include "platform/Version.h"

#include <QString>

namespace tarvo {

// Window caption of the main window and the About box.
inline const QString kAppCaption = QStringLiteral("Tarvo Yoga v" TARVO_VERSION);
// Title of every message box of the program.
inline const QString kAppTitle = QStringLiteral("Tarvo Yoga");

// The makers' site; an example domain until the real site exists.
inline const QString kSiteAddress = QStringLiteral("https://www.tarvo-yoga.example");

} // namespace tarvo
