#pragma once

#include <QString>
#include <QStringList>
#include <array>
#include <optional>

namespace tarvo {

// The order of every per-sign table and of the sign pictures.
enum class SunSign {
    Aries,
    Taurus,
    Gemini,
    Cancer,
    Leo,
    Virgo,
    Libra,
    Scorpio,
    Sagittarius,
    Capricorn,
    Aquarius,
    Pisces
};

inline constexpr int kSunSignCount = 12;

constexpr int signIndex(SunSign sign)
{
    return static_cast<int>(sign);
}

QString signName(SunSign sign);
std::optional<SunSign> signFromName(const QString& name);

// Month index 0 = January .. 11, day index 0 = day 1 .. 30 = day 31, as the pick lists give them.
SunSign determineSunSign(int monthIndex, int dayIndex);

// Empty when the day exists in the month (29 February always does), else the message to show.
QString checkBirthDate(int monthIndex, int dayIndex);

inline const QString kFebruaryDateMessage = QStringLiteral("Please Enter Correct Date of Birth!");
inline const QString kThirtyDayMonthMessage =
    QStringLiteral("Please Enter Correct Date of Birth !");

QStringList monthNames();

struct FitnessProfile {
    QString athletic;
    QString endurance;
    QString flexibility;
    QString focus;
    QString motivation;
    QString routine;
    QString teamWork;
    QString variety;
};

struct SunSignProfile {
    QString name;
    QString element;
    QString luckyNumber;
    QString luckyColour;
    QString luckyDay;
    QString compatibleSigns;
    QString birthStone;
    QString quality;
    QString famousPeople;
    QString positiveTraits;
    QString negativeTraits;
    QString bodyPartRuled;
    QString healthProblems;
    QString requiredDiet;
    QString dietToAvoid;
    QString dietAdvice;
    FitnessProfile fitness;
    QString fitnessAdvice;
    int picture = 0; // 1 = Aries .. 12 = Pisces
};

struct ConstitutionTypeProfile {
    QString description;
    QString excessDescription;
    QString excessItemsToBeTaken;
    QString excessItemsToAvoid;
    QString excessRemedy;
    QString lowDescription;
    QString lowItemsToBeTaken;
    QString lowItemsToAvoid;
    QString lowRemedy;
};

const SunSignProfile& sunSignProfile(SunSign sign);

// Tested in the order Fire, Air, Water, Earth; nothing for any other text.
std::optional<ConstitutionTypeProfile> constitutionTypeProfile(const QString& element);

} // namespace tarvo
