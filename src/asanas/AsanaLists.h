#pragma once

#include <QStringList>

namespace tarvo {

// The three lookup lists of the main window, in the order they are offered.
const QStringList& asanaNames();
const QStringList& bodyParts();
const QStringList& therapeuticApplications();

} // namespace tarvo
