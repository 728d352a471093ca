#pragma once

namespace tarvo {

// The three programs of the main window, in the order of their buttons.
enum class Program { LearnYoga, ZodiacYoga, ChakraYoga };

} // namespace tarvo
