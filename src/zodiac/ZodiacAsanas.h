#pragma once

#include "zodiac/SunSign.h"

#include <QList>
#include <QString>
#include <array>

namespace tarvo {

inline constexpr int kZodiacAsanaCount = 14;

// The five texts of one Zodiac asana; procedure and numbered benefits are items joined by CR LF.
struct ZodiacAsanaRecord {
    QString englishName;
    QString definition;
    QString procedure;
    QString benefits;
    QString contradictions;
};

// Asana name of catalogue index 1..14 (label caption, detail heading, picture name).
QString zodiacAsanaName(int index);

// The fourteen records, index 1 at position 0. The same content on every call.
const std::array<ZodiacAsanaRecord, kZodiacAsanaCount>& loadZodiacAsanas();
const ZodiacAsanaRecord& zodiacAsana(int index);

// One recommended asana of a sign, in display order.
struct AsanaRecommendation {
    int index = 0;         // catalogue index 1..14
    QString labelName;     // object name of its label on the sign's panel
    QString reportHeading; // heading of its block in the report
};

QList<AsanaRecommendation> recommendedAsanas(SunSign sign);

} // namespace tarvo
