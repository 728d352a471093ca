#include "chakra/ChakraQuestionnaire.h"

namespace tarvo {

QString ChakraQuestionnaire::label() const
{
    return QStringLiteral("Question No. %1 of %2").arg(m_current).arg(questionCount());
}

QString ChakraQuestionnaire::questionText() const
{
    const qsizetype i = m_current - 1;
    return i >= 0 && i < m_session.questionTexts.size() ? m_session.questionTexts[i] : QString();
}

std::optional<ChakraAnswer> ChakraQuestionnaire::storedAnswer() const
{
    const qsizetype i = m_current - 1;
    return i >= 0 && i < m_session.givenAnswers.size() ? m_session.givenAnswers[i] : std::nullopt;
}

ChakraQuestionnaire::Step ChakraQuestionnaire::next(ChakraAnswer selected)
{
    if (questionCount() == 0)
        return {true, std::nullopt};
    m_session.givenAnswers[m_current - 1] = selected;
    if (m_current >= questionCount())
        return {true, std::nullopt};
    ++m_current;
    return {false, storedAnswer()};
}

ChakraQuestionnaire::Step ChakraQuestionnaire::back()
{
    if (m_current > 1) {
        --m_current;
        return {false, storedAnswer()};
    }
    // On the first question the buttons always follow its answer, Not Sure when there is none.
    return {false, storedAnswer().value_or(ChakraAnswer::NotSure)};
}

} // namespace tarvo
