#pragma once

#include "zodiac/SunSign.h"

#include <QString>

namespace tarvo {

// The current Zodiac request, as the input window last produced it.
struct ZodiacReading {
    QString name;
    qint16 birthDay = 0;
    QString birthMonth;
    qint16 birthYear = 0;
    SunSign sunSign = SunSign::Aries;
};

} // namespace tarvo
