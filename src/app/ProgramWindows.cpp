#include "app/ProgramWindows.h"

#include "chakra/frmChakraYogaMain.h"
#include "zodiac/frmZodiacYogaMain.h"

namespace tarvo {

ProgramWindows programWindows()
{
    ProgramWindows windows;
    windows.zodiac = [](const AppContext& context) -> QWidget* { return new frmZodiacYogaMain(context); };
    windows.chakra = [](const AppContext& context) -> QWidget* { return new frmChakraYogaMain(context); };
    return windows;
}

} // namespace tarvo
