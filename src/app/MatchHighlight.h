#pragma once

#include "search/SearchIndex.h"

class QWidget;

namespace tarvo {

// Marks the first match of a found text where page shows it, and scrolls it into view: the first
// body match when there is one, else the first marked word of the title. False when no visible
// text of page holds it.
bool highlightMatch(QWidget* page, const search::SearchHit& hit);

} // namespace tarvo
