#pragma once

#include "search/SearchIndex.h"

namespace tarvo {

class MainWindow;

// Opens a found text in its program, switching program as a user would, and marks the match:
// an article or a library asana in Learn Yoga; a sign's tab of a reading without a name, or its
// asana, in Zodiac Yoga; a chakra's text, or its asana record, in Chakra Yoga.
void openSearchHit(MainWindow& window, const search::SearchHit& hit);

} // namespace tarvo
