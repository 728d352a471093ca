#pragma once

#include <QColor>
#include <QString>
#include <array>
#include <cstddef>

namespace tarvo {

// The order of every per-chakra table, of the check boxes, the bars and the result text.
enum class ChakraId { Root, Sacral, Navel, Heart, Throat, ThirdEye, Crown };
inline constexpr int kChakraCount = 7;

constexpr std::size_t chakraIndex(ChakraId id)
{
    return std::size_t(id);
}

template <typename T> using PerChakra = std::array<T, kChakraCount>;

struct ChakraInfo {
    QString fullName;
    QString shortName;
    QString chartLabel;
    QColor barColour;
    QString description;
    QString openText;
    QString overActiveText;
    QString underActiveText;
    QString mudraText;
    QString concentrationText; // empty for Root, whose mudra paragraph already says where
    QString chantText;
};

// The seven records, read from the compiled-in content on first call.
const PerChakra<ChakraInfo>& chakraTable();
const ChakraInfo& chakraInfo(ChakraId id);

QString openingHeading(const ChakraInfo& info);
QString openingInstructions(const ChakraInfo& info);

// The two paragraphs that introduce chakras on the result window.
QString chakraIntroduction();

} // namespace tarvo
