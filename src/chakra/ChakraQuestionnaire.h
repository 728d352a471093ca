#pragma once

#include "chakra/ChakraTestSession.h"

#include <optional>

namespace tarvo {

// The question window's walk through the asked list. The option buttons are not reset between
// questions, but a question that already has an answer is shown with that answer, so going
// back never silently rewrites it.
class ChakraQuestionnaire final {
public:
    // What the window shows after a step; options is set when the buttons must change.
    struct Step {
        bool finished = false;
        std::optional<ChakraAnswer> options;
    };

    explicit ChakraQuestionnaire(ChakraTestSession& session)
        : m_session(session)
    {
    }

    int currentQuestion() const { return m_current; }
    int questionCount() const { return m_session.questionCount(); }
    QString label() const;
    QString questionText() const;

    // Stores the selected option for the question on screen, then moves on or finishes.
    Step next(ChakraAnswer selected);
    Step back();

private:
    std::optional<ChakraAnswer> storedAnswer() const;

    ChakraTestSession& m_session;
    int m_current = 1;
};

} // namespace tarvo
