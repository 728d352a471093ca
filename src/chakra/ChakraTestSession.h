#pragma once

#include "chakra/ChakraQuestions.h"

#include <QList>
#include <QStringList>
#include <cstdint>
#include <optional>

namespace tarvo {

enum class ChakraState { UnderActive, Open, OverActive };

// One chakra test as the windows hand it on; a new test replaces it whole.
// The four lists are indexed by the asked position.
struct ChakraTestSession {
    PerChakra<bool> selected{};
    QList<int> questionOrder;
    QStringList questionTexts;
    QList<ChakraAnswer> countingAnswers;
    QList<std::optional<ChakraAnswer>> givenAnswers;
    PerChakra<int> scores{};

    int questionCount() const { return int(questionOrder.size()); }
};

// The questions of the selected chakras, ascending, then shuffled with an engine seeded by seed.
QList<int> shuffledQuestionOrder(const PerChakra<bool>& selected, std::uint64_t seed);

// A fresh test for the selection, with its questions shuffled and no answers yet;
// nothing when no chakra is selected.
std::optional<ChakraTestSession> startChakraTest(const PerChakra<bool>& selected,
                                                 std::uint64_t seed);

// What the question window does when it opens: the asked texts and counting answers.
void fillAskedLists(ChakraTestSession& session);

ChakraState chakraStateForScore(int score);

// Scores every chakra from the given answers.
void computeChakraResult(ChakraTestSession& session);
// The chosen chakras whose score leaves them not open: those Chakra Yoga is for.
PerChakra<bool> chakrasNeedingYoga(const ChakraTestSession& session);

} // namespace tarvo
