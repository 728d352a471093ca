#include "app/ProgramWindows.h"

namespace tarvo {

ProgramWindows programWindows()
{
    return {};
}

} // namespace tarvo
