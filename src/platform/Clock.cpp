#include "platform/Clock.h"

namespace tarvo {

QDateTime SystemClock::now() const
{
    return QDateTime::currentDateTime();
}

} // namespace tarvo
