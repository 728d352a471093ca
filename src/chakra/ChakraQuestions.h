#pragma once

#include "chakra/ChakraModel.h"

#include <QString>

namespace tarvo {

enum class ChakraAnswer { Yes, No, NotSure };

// "Yes", "No" or "Not Sure", as the answers are shown and stored.
QString chakraAnswerText(ChakraAnswer answer);

inline constexpr int kQuestionCount = 56;
inline constexpr int kQuestionsPerChakra = 8;

struct ChakraQuestion {
    QString text;
    ChakraId chakra;
    // The answer that adds one to the chakra's score; Not Sure never counts.
    ChakraAnswer countingAnswer;
};

constexpr ChakraId chakraOfQuestion(int number)
{
    return ChakraId(number / kQuestionsPerChakra);
}

// number is 0..55.
ChakraQuestion chakraQuestion(int number);

} // namespace tarvo
