#pragma once

#include "chakra/ChakraModel.h"
#include "report/RichReport.h"

#include <QList>
#include <QString>
#include <optional>

namespace tarvo {

struct ChakraYogaAsana {
    QString name;
    QString englishName;
    QString description;
    QString procedure;
    QString benefits;
    QString contradictions; // may be empty
    QString imageKey;
};

inline constexpr int kChakraAsanaCount = 11;
inline constexpr int kAsanaSlotCount = 17;

// The 11 records in index order, read from the compiled-in content on first call.
const QList<ChakraYogaAsana>& chakraYogaAsanas();

struct AsanaSlot {
    ChakraId chakra;
    int asana;
};

// Each chakra's asanas, chakras in order, each chakra's slots contiguous.
const std::array<AsanaSlot, kAsanaSlotCount>& chakraAsanaSlots();

struct RecommendedAsana {
    QString chakraName;
    int asana = 0;
};

using RecommendedAsanas = std::array<std::optional<RecommendedAsana>, kAsanaSlotCount>;

// A slot is filled when its chakra needs yoga.
RecommendedAsanas recommendedAsanas(const PerChakra<bool>& needsYoga);
bool anyRecommended(const RecommendedAsanas& list);

// The record's texts, headings in bold; Contradictions only when there are any.
RichReport asanaRecordReport(const ChakraYogaAsana& asana);

// Walks the filled slots of a recommended list: Next and Previous move to the nearest filled
// slot after or before the one shown and never leave the list.
class AsanaRecordNavigator final {
public:
    enum class Move { Shown, Unchanged, AtFirst };

    explicit AsanaRecordNavigator(const RecommendedAsanas& list);

    // The slot on screen; nothing when the list is empty.
    std::optional<int> position() const { return m_position; }
    const RecommendedAsana* current() const;

    Move next();
    Move previous();
    // Moves to the first slot that holds the asana; false, and no move, when none does.
    bool moveToAsana(int asana);

private:
    RecommendedAsanas m_list;
    std::optional<int> m_position;
};

} // namespace tarvo
