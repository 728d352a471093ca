#pragma once

#include "chakra/ChakraModel.h"
#include "report/RichReport.h"

namespace tarvo {

// Everything the program teaches about one chakra, outside any test: its name and description,
// what it is like open, over-active and under-active, and how to open it.
RichReport chakraPageReport(ChakraId id);

// The introduction to chakras under a heading of its own.
RichReport chakraIntroductionReport();

} // namespace tarvo
