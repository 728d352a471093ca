#include "chakra/ChakraQuestions.h"

#include "platform/ContentFile.h"

#include <QJsonArray>
#include <QJsonObject>
#include <QStringList>
#include <array>

namespace tarvo {

namespace {

// The answer that counts for each question, eight to a chakra from Root to Crown. Scoring is
// the program's rule, so it stays here; the question texts are prose and live in content.
constexpr std::array<ChakraAnswer, kQuestionCount> kCountingAnswers = {{
    ChakraAnswer::Yes, ChakraAnswer::No,  ChakraAnswer::Yes, ChakraAnswer::No,  ChakraAnswer::Yes,
    ChakraAnswer::No,  ChakraAnswer::No,  ChakraAnswer::Yes, ChakraAnswer::No,  ChakraAnswer::Yes,
    ChakraAnswer::Yes, ChakraAnswer::No,  ChakraAnswer::No,  ChakraAnswer::Yes, ChakraAnswer::Yes,
    ChakraAnswer::No,  ChakraAnswer::Yes, ChakraAnswer::No,  ChakraAnswer::Yes, ChakraAnswer::Yes,
    ChakraAnswer::Yes, ChakraAnswer::No,  ChakraAnswer::No,  ChakraAnswer::Yes, ChakraAnswer::Yes,
    ChakraAnswer::No,  ChakraAnswer::No,  ChakraAnswer::Yes, ChakraAnswer::Yes, ChakraAnswer::No,
    ChakraAnswer::No,  ChakraAnswer::Yes, ChakraAnswer::Yes, ChakraAnswer::No,  ChakraAnswer::No,
    ChakraAnswer::Yes, ChakraAnswer::Yes, ChakraAnswer::No,  ChakraAnswer::No,  ChakraAnswer::Yes,
    ChakraAnswer::No,  ChakraAnswer::Yes, ChakraAnswer::Yes, ChakraAnswer::No,  ChakraAnswer::Yes,
    ChakraAnswer::No,  ChakraAnswer::Yes, ChakraAnswer::No,  ChakraAnswer::Yes, ChakraAnswer::No,
    ChakraAnswer::No,  ChakraAnswer::Yes, ChakraAnswer::No,  ChakraAnswer::Yes, ChakraAnswer::Yes,
    ChakraAnswer::No,
}};

// Texts are shown exactly as written, odd blanks included (questions 15, 39 and 40). Records
// are keyed by number, so a reordered file cannot move a text to another question's score.
const QStringList& questionTexts()
{
    static const QStringList texts = [] {
        QStringList all(kQuestionCount);
        const QJsonArray records =
            readContentObject(QStringLiteral(":/content/chakra/questions.json"))
                .value(u"questions")
                .toArray();
        for (const QJsonValue& value : records) {
            const QJsonObject record = value.toObject();
            const int number = record.value(u"number").toInt();
            if (number >= 1 && number <= kQuestionCount)
                all[number - 1] = record.value(u"text").toString();
        }
        return all;
    }();
    return texts;
}

} // namespace

QString chakraAnswerText(ChakraAnswer answer)
{
    switch (answer) {
    case ChakraAnswer::Yes:
        return QStringLiteral("Yes");
    case ChakraAnswer::No:
        return QStringLiteral("No");
    case ChakraAnswer::NotSure:
        break;
    }
    return QStringLiteral("Not Sure");
}

ChakraQuestion chakraQuestion(int number)
{
    return {questionTexts()[number], chakraOfQuestion(number),
            kCountingAnswers[std::size_t(number)]};
}

} // namespace tarvo
