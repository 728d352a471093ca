#include "app/ProgramWindows.h"

#include "chakra/ChakraSelectionWindow.h"
#include "zodiac/ZodiacInputWindow.h"

namespace tarvo {

ProgramWindows programWindows()
{
    ProgramWindows windows;
    windows.zodiac = [](const AppContext& context) -> QWidget* {
        return new ZodiacInputWindow(context);
    };
    windows.chakra = [](const AppContext& context) -> QWidget* {
        return new ChakraSelectionWindow(context);
    };
    return windows;
}

} // namespace tarvo
