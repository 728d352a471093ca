#pragma once

#include "chakra/ChakraModel.h"
#include "report/PrintablePage.h"

namespace tarvo {

// Everything the program teaches about one chakra, outside any test, titled with its full name:
// its name and description, what it is like open, over-active and under-active, and how to open
// it.
PrintablePage chakraPage(ChakraId id);

// The introduction to chakras under a heading of its own, which is also its title.
PrintablePage chakraIntroductionPage();

} // namespace tarvo
