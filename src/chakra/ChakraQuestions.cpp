#include "chakra/ChakraQuestions.h"

namespace tarvo {

namespace {

struct QuestionRow {
    const char16_t* text;
    ChakraAnswer countingAnswer;
};

// Texts are shown exactly as written, odd blanks included (questions 15, 39 and 40).
constexpr std::array<QuestionRow, kQuestionCount> kQuestions = {{
    {u"Do you have a good sense of direction?", ChakraAnswer::Yes},
    {u"Do you feel physically active and fit?", ChakraAnswer::No},
    {u"Does it matter if you do not have material comforts?", ChakraAnswer::Yes},
    {u"Do you feel comfortable in the presence of unknown people?", ChakraAnswer::No},
    {u"Do you feel grounded and stable?", ChakraAnswer::Yes},
    {u"Do you feel connected to the oneness of the universe?", ChakraAnswer::No},
    {u"Do you have good survival instincts?", ChakraAnswer::No},
    {u"Do you have the courage to stand up for yourself?", ChakraAnswer::Yes},
    {u"Don't you believe in creativity?", ChakraAnswer::No},
    {u"Do you have no control over your feelings?", ChakraAnswer::Yes},
    {u"Do you feel unbalanced in your relationships with others?", ChakraAnswer::Yes},
    {u"Do you lack excitement and fail to get emotional about issues?", ChakraAnswer::No},
    {u"Do you feel uninterested in sex for pleasure?", ChakraAnswer::No},
    {u"Do you feel connected to the present?", ChakraAnswer::Yes},
    {u"Do you feel that you do not relate to people?", ChakraAnswer::Yes},
    {u"Do you feel better when you don't let go of  your emotions?", ChakraAnswer::No},
    {u"Do you feel self confident and self reliant?", ChakraAnswer::Yes},
    {u"Do you feel you can change your life when circumstances demand?", ChakraAnswer::No},
    {u"Do you submit yourself to the natural flow of life?", ChakraAnswer::Yes},
    {u"Do you believe you can achieve all the goals you set for yourself?", ChakraAnswer::Yes},
    {u"Do you treat yourself with respect and honor?", ChakraAnswer::Yes},
    {u"Are you a good decision maker?", ChakraAnswer::No},
    {u"Do you have a sense of humor?", ChakraAnswer::No},
    {u"Do you believe you have the right balance of ego, self-control and intellect?", ChakraAnswer::Yes},
    {u"Do you have a bad temperament and are always moody?", ChakraAnswer::Yes},
    {u"Do you feel jealous and envious about others?", ChakraAnswer::No},
    {u"Do you fear being rejected or abandoned?", ChakraAnswer::No},
    {u"Do you find it easy to say no to others?", ChakraAnswer::Yes},
    {u"Do you feel unconditional love can never be achieved?", ChakraAnswer::Yes},
    {u"Do you feel disconnected from your emotions?", ChakraAnswer::No},
    {u"Do you feel restricted and suffocated in life?", ChakraAnswer::No},
    {u"Do you feel immune to the pain of loss?", ChakraAnswer::Yes},
    {u"Do you have good planning and organizational skills?", ChakraAnswer::Yes},
    {u"Do you communicate easily with others?", ChakraAnswer::No},
    {u"Do you feel your heart and mind are balanced?", ChakraAnswer::No},
    {u"Do you express yourself through some art form like dancing singing, painting etc?", ChakraAnswer::Yes},
    {u"Do you balance talking and listening while speaking to people?", ChakraAnswer::Yes},
    {u"Do you have faith in belief and family traditions?", ChakraAnswer::No},
    {u"Are you honest with others irrespective of circumstances and always speak the truth?", ChakraAnswer::No},
    {u"Do you believe in loyalty? ", ChakraAnswer::Yes},
    {u"Do you depend on others to make your decisions? ", ChakraAnswer::No},
    {u"Do you have zero faith in your deep insight and sound judgment?", ChakraAnswer::Yes},
    {u"Do you feel that intuition about things doesn't exist in reality?", ChakraAnswer::Yes},
    {u"Do you fantasize a lot or are you level headed?", ChakraAnswer::No},
    {u"Do you have negative thoughts?", ChakraAnswer::Yes},
    {u"Do you fail to see the 'big picture'?", ChakraAnswer::No},
    {u"Do you feel that developing your psychic and intuitive powers is useless?", ChakraAnswer::Yes},
    {u"Do you feel moody and depressed?", ChakraAnswer::No},
    {u"Do you believe in spirituality?", ChakraAnswer::Yes},
    {u"Do you believe in a proper balance between spirituality and reality?", ChakraAnswer::No},
    {u"Can you integrate your wisdom with your intuitive powers?", ChakraAnswer::No},
    {u"Do you have more faith in the divine wisdom than in your abilities?", ChakraAnswer::Yes},
    {u"Do you feel united with the Divine Source?", ChakraAnswer::No},
    {u"Do you believe in the higher levels of knowledge and consciousness?", ChakraAnswer::Yes},
    {u"Do you have a feeling of spiritual knowingness and enlightenment?", ChakraAnswer::Yes},
    {u"Do you feel unattached from the real world?", ChakraAnswer::No},
}};

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
    const QuestionRow& row = kQuestions[std::size_t(number)];
    return {QString::fromUtf16(row.text), chakraOfQuestion(number), row.countingAnswer};
}

} // namespace tarvo
