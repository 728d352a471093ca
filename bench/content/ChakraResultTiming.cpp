#include "chakra/ChakraResult.h"
#include "chakra/ChakraResultWindow.h"
#include "content/ContentTiming.h"
#include "content/Timing.h"
#include "report/RichTextBox.h"
#include "shell/AppContext.h"

#include <QCoreApplication>

namespace tarvo::bench {

namespace {

// Every answer the counting one (all OverActive) or none of them (all UnderActive).
ChakraTestSession answeredSession(bool counting)
{
    PerChakra<bool> all;
    all.fill(true);
    ChakraTestSession session = *startChakraTest(all, 1);
    fillAskedLists(session);
    for (qsizetype i = 0; i < session.questionCount(); ++i) {
        const ChakraAnswer answer = session.countingAnswers[i];
        session.givenAnswers[i] = counting                      ? answer
                                  : answer == ChakraAnswer::Yes ? ChakraAnswer::No
                                                                : ChakraAnswer::Yes;
    }
    computeChakraResult(session);
    return session;
}

} // namespace

ContentTiming chakraResultTiming(const AppContext& context, int runs)
{
    const ChakraTestSession over = answeredSession(true);
    const ChakraTestSession under = answeredSession(false);
    const bool overIsLonger =
        chakraResultReport(over).plainText().size() >= chakraResultReport(under).plainText().size();
    auto session = std::make_shared<ChakraTestSession>(overIsLonger ? over : under);

    ChakraResultWindow window(context, session);
    window.resize(window.sizeHint());
    window.show();
    QCoreApplication::processEvents();
    auto* box = window.findChild<RichTextBox*>(QStringLiteral("RTB"));
    return {QStringLiteral("Seven-chakra result (all %1)")
                .arg(overIsLonger ? QStringLiteral("OverActive") : QStringLiteral("UnderActive")),
            warmTimesMs(
                [&] {
                    computeChakraResult(*session);
                    box->setReport(chakraResultReport(*session));
                    layOutAndPaint(*box);
                },
                runs)};
}

} // namespace tarvo::bench
