#pragma once

#include "report/RichReport.h"
#include "zodiac/ZodiacReading.h"

#include <QString>

namespace tarvo {

// Every sign text the result window shows, as the report reads them back from it.
struct ZodiacDisplayFields {
    QString sunSign;
    QString element;
    QString luckyNumber;
    QString luckyColour;
    QString luckyDay;
    QString compatibility;
    QString birthStone;
    QString quality;
    QString famousPeople;
    QString positiveTraits;
    QString negativeTraits;

    QString yourSunSign;
    QString bodyPart;
    QString healthProblems;
    QString requiredDiet;
    QString dietToAvoid;
    QString dietAdvice;
    QString constitutionType;
    QString constitutionDescription;
    QString excess;
    QString excessDescription;
    QString excessItemsToBeTaken;
    QString excessItemsToAvoid;
    QString excessRemedy;
    QString low;
    QString lowDescription;
    QString lowItemsToBeTaken;
    QString lowItemsToAvoid;
    QString lowRemedy;
    QString herbCaution;

    QString athletic;
    QString endurance;
    QString flexibility;
    QString focus;
    QString motivated;
    QString routine;
    QString teamWork;
    QString variety;
    QString fitnessAdvice;
};

// The fields as the input window fills them for a sign, constitution type included.
ZodiacDisplayFields zodiacDisplayFields(SunSign sign);

// The report starts in the box's own colour at 9.75 pt.
RichAttributes zodiacReportAttributes();

// The whole reading as the report window shows and prints it.
RichReport buildZodiacReport(const ZodiacReading& reading, const ZodiacDisplayFields& fields);

} // namespace tarvo
