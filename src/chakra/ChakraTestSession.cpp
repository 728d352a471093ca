#include "chakra/ChakraTestSession.h"

#include <algorithm>
#include <random>

namespace tarvo {

QList<int> shuffledQuestionOrder(const PerChakra<bool>& selected, std::uint64_t seed)
{
    QList<int> order;
    for (int chakra = 0; chakra < kChakraCount; ++chakra) {
        if (!selected[std::size_t(chakra)])
            continue;
        for (int i = 0; i < kQuestionsPerChakra; ++i)
            order.append(chakra * kQuestionsPerChakra + i);
    }
    std::mt19937_64 engine(seed);
    std::shuffle(order.begin(), order.end(), engine);
    return order;
}

std::optional<ChakraTestSession> startChakraTest(const PerChakra<bool>& selected,
                                                 std::uint64_t seed)
{
    if (std::none_of(selected.begin(), selected.end(), [](bool on) { return on; }))
        return std::nullopt;
    ChakraTestSession session;
    session.selected = selected;
    session.questionOrder = shuffledQuestionOrder(selected, seed);
    const qsizetype n = session.questionOrder.size();
    session.questionTexts = QStringList(n);
    session.countingAnswers = QList<ChakraAnswer>(n, ChakraAnswer::NotSure);
    session.givenAnswers = QList<std::optional<ChakraAnswer>>(n);
    return session;
}

void fillAskedLists(ChakraTestSession& session)
{
    const qsizetype n = session.questionOrder.size();
    session.questionTexts.resize(n);
    session.countingAnswers.resize(n);
    session.givenAnswers.resize(n);
    for (qsizetype i = 0; i < n; ++i) {
        const ChakraQuestion question = chakraQuestion(session.questionOrder[i]);
        session.questionTexts[i] = question.text;
        session.countingAnswers[i] = question.countingAnswer;
    }
}

ChakraState chakraStateForScore(int score)
{
    if (score <= 2)
        return ChakraState::UnderActive;
    if (score <= 5)
        return ChakraState::Open;
    return ChakraState::OverActive;
}

void computeChakraResult(ChakraTestSession& session)
{
    session.scores.fill(0);
    const qsizetype n = std::min({session.questionOrder.size(), session.countingAnswers.size(),
                                  session.givenAnswers.size()});
    for (qsizetype i = 0; i < n; ++i) {
        const std::optional<ChakraAnswer>& given = session.givenAnswers[i];
        // Not Sure is never a counting answer, so it adds nothing.
        if (given && *given != ChakraAnswer::NotSure && *given == session.countingAnswers[i])
            ++session.scores[chakraIndex(chakraOfQuestion(session.questionOrder[i]))];
    }
}

PerChakra<bool> chakrasNeedingYoga(const ChakraTestSession& session)
{
    PerChakra<bool> needing{};
    for (std::size_t k = 0; k < session.selected.size(); ++k)
        needing[k] =
            session.selected[k] && chakraStateForScore(session.scores[k]) != ChakraState::Open;
    return needing;
}

} // namespace tarvo
