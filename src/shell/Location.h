#pragma once

#include "chakra/ChakraModel.h"
#include "learn/ArticleId.h"
#include "zodiac/SunSign.h"
#include "zodiac/ZodiacPage.h"

#include <QString>
#include <optional>
#include <variant>

namespace tarvo {

struct ArticleLocation {
    ArticleId article;

    friend bool operator==(const ArticleLocation&, const ArticleLocation&) = default;
};

// A page of the asana library, by the library's name ("Shavasana").
struct AsanaLocation {
    QString name;

    friend bool operator==(const AsanaLocation&, const AsanaLocation&) = default;
};

// A page of a sign's reading, made without a name; on the asanas page, with one of the sign's
// asanas open (its Zodiac catalogue index, 1..14) when there is one.
struct ZodiacLocation {
    SunSign sign = SunSign::Aries;
    ZodiacPage page = ZodiacPage::Characteristics;
    std::optional<int> asana = std::nullopt;

    friend bool operator==(const ZodiacLocation&, const ZodiacLocation&) = default;
};

// A chakra's page outside a test, or with no chakra the introduction to chakras.
struct ChakraLocation {
    std::optional<ChakraId> chakra;

    friend bool operator==(const ChakraLocation&, const ChakraLocation&) = default;
};

// A chakra asana record (0..10) among the records of every chakra.
struct ChakraAsanaLocation {
    int asana = 0;

    friend bool operator==(const ChakraAsanaLocation&, const ChakraAsanaLocation&) = default;
};

enum class PracticeWindow { NewSession, Sessions, BreathingGuide, Journal };

// A window of Practice; the breathing guide set to a pattern (its key, "nadi-shodhana") when one
// is given.
struct PracticeLocation {
    PracticeWindow window = PracticeWindow::Sessions;
    QString breathingPattern = {};

    friend bool operator==(const PracticeLocation&, const PracticeLocation&) = default;
};

// A place in the program that one window can lead to, as a value.
using Location = std::variant<ArticleLocation, AsanaLocation, ZodiacLocation, ChakraLocation,
                              ChakraAsanaLocation, PracticeLocation>;

} // namespace tarvo
