#pragma once

#include "report/RichReport.h"
#include "zodiac/ZodiacPage.h"
#include "zodiac/ZodiacReport.h"

namespace tarvo {

QString zodiacPageTitle(ZodiacPage page, SunSign sign);
// The page's texts as the window shows them, under the captions the window gives them.
RichReport zodiacPageReport(ZodiacPage page, const ZodiacDisplayFields& fields, SunSign sign);

// One asana of the "Yoga Asanas" tab as its detail panel shows it (catalogue index 1..14).
RichReport zodiacAsanaPageReport(int index);

} // namespace tarvo
