#include "actions/ActionTimer.h"
#include "actions/Controls.h"
#include "actions/ProgramUnderTest.h"
#include "actions/Scenarios.h"
#include "app/MainWindow.h"
#include "asanas/AsanaLists.h"
#include "chakra/ChakraQuestionWindow.h"
#include "chakra/ChakraQuestions.h"
#include "chakra/ChakraSelectionWindow.h"
#include "common/Statistics.h"
#include "learn/ArticleCatalogue.h"
#include "practice/PracticeFlow.h"
#include "practice/sessions/SessionCautionsWindow.h"
#include "search/FindWindow.h"
#include "shell/WorkArea.h"
#include "zodiac/ZodiacInputWindow.h"
#include "zodiac/ZodiacResultWindow.h"

#include <QFileInfo>
#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QTest>
#include <QTextStream>
#include <algorithm>

namespace tarvo::bench {

namespace {

constexpr int kCautionPoses = 200;

// Typed as a user types them; the last key of each is timed.
const QStringList kTypicalQueries = {
    QStringLiteral("corpse"), QStringLiteral("cobra"),     QStringLiteral("back pain"),
    QStringLiteral("heart"),  QStringLiteral("breathing"), QStringLiteral("sun salutation"),
};

ArticleId longestArticle()
{
    ArticleId longest = ArticleId::WhatIsYoga;
    qsizetype longestLength = -1;
    for (int id = 0; id < kArticleCount; ++id) {
        const std::optional<Article> text = article(ArticleId(id));
        if (!text)
            continue;
        qsizetype length = 0;
        for (const ArticleBlock& block : text->blocks)
            length += block.text.size();
        if (length > longestLength) {
            longest = ArticleId(id);
            longestLength = length;
        }
    }
    return longest;
}

// A menu command of the main window, timed; opens names the window it opens, if any.
FrameTimes timeCommand(ActionTimer& timer, MainWindow& window, const char* menu,
                       const char* command, const QString& opens = {})
{
    return timer.time([&] { chooseCommand(&window, QLatin1String(menu), QLatin1String(command)); },
                      opens);
}

void timeLookups(ActionTimer& timer, MainWindow& window, QTextStream& out)
{
    const auto section = [&](Section shown) {
        timer.run([&] { click(&window, QStringLiteral("Command%1").arg(int(shown))); });
    };
    const auto lookup = [&](const char* key, const QString& box, int index) {
        writeMeasure(out, QLatin1String(key), timer.time([&] { choose(&window, box, index); }));
    };
    section(Section::AsanasByName);
    lookup("lookup-name", QStringLiteral("cboAsanasByName"), int(asanaNames().size() / 2));
    section(Section::AsanasByBodyPart);
    lookup("lookup-bodypart", QStringLiteral("cboAsanasByBodyPart"), 2);
    auto& list = control<QListWidget>(&window, QStringLiteral("lstAsanasByBodyPart"));
    writeMeasure(out, QStringLiteral("lookup-bodypart-list"), timer.time([&] {
        QTest::mouseClick(list.viewport(), Qt::LeftButton, {},
                          list.visualItemRect(list.item(list.count() - 1)).center());
    }));
    section(Section::AsanasByApplication);
    lookup("lookup-application", QStringLiteral("cboAsanasByTherapeuticApplications"), 3);
}

void timeZodiac(ActionTimer& timer, MainWindow& window, QTextStream& out)
{
    writeMeasure(out, QStringLiteral("switch-zodiac"),
                 timer.time([&] { click(&window, QStringLiteral("cmdSelectOption_1")); },
                            QStringLiteral("frmZodiacYogaMain")));
    QWidget* input = window.area().find<ZodiacInputWindow>();
    timer.run([&] {
        QTest::keyClicks(&control<QLineEdit>(input, QStringLiteral("txtName")),
                         QStringLiteral("Maya Lindqvist"));
        // 19 February: Pisces, one of the two longest readings.
        choose(input, QStringLiteral("cboDate"), 18);
        choose(input, QStringLiteral("cboMonth"), 1);
    });
    writeMeasure(out, QStringLiteral("zodiac-result"),
                 timer.time([&] { click(input, QStringLiteral("cmdNext")); },
                            QStringLiteral("frmZodiacYogaDisplay")));
    QWidget* result = window.area().find<ZodiacResultWindow>();
    writeMeasure(out, QStringLiteral("zodiac-report"),
                 timer.time([&] { click(result, QStringLiteral("cmdPrint")); },
                            QStringLiteral("frmZodiacYogaSave")));
}

// Every chakra tested and every answer the one that counts, so the result is the longest.
void timeChakra(ActionTimer& timer, MainWindow& window, QTextStream& out)
{
    writeMeasure(out, QStringLiteral("switch-chakra"),
                 timer.time([&] { click(&window, QStringLiteral("cmdSelectOption_2")); },
                            QStringLiteral("frmChakraYogaMain")));
    QWidget* selection = window.area().find<ChakraSelectionWindow>();
    timer.run([&] {
        for (int c = 0; c < kChakraCount; ++c)
            click(selection, QStringLiteral("chkChakras_%1").arg(c));
        click(selection, QStringLiteral("cmdTest"));
    });
    QWidget* questions = window.area().find<ChakraQuestionWindow>();
    const auto& text = control<QPlainTextEdit>(questions, QStringLiteral("txtQuestions"));
    for (int k = 0; k < kQuestionCount; ++k) {
        timer.run([&] {
            for (int q = 0; q < kQuestionCount; ++q) {
                const ChakraQuestion question = chakraQuestion(q);
                if (question.text == text.toPlainText())
                    click(questions,
                          QStringLiteral("optAnswer_%1").arg(int(question.countingAnswer)));
            }
        });
        if (k + 1 < kQuestionCount)
            timer.run([&] { click(questions, QStringLiteral("cmdNext")); });
    }
    writeMeasure(out, QStringLiteral("chakra-result"),
                 timer.time([&] { click(questions, QStringLiteral("cmdNext")); },
                            QStringLiteral("frmChakraYogaResult")));
}

void timeFind(ActionTimer& timer, MainWindow& window, QTextStream& out)
{
    writeMeasure(out, QStringLiteral("find-open"),
                 timeCommand(timer, window, "mnuEdit", "mnuFind", QStringLiteral("frmFind")));
    QLineEdit* box = window.findWindow()->box();
    // The first search builds the index, at whichever key the box first searches.
    double firstQuery = 0;
    for (const QChar key : kTypicalQueries.first()) {
        firstQuery = std::max(firstQuery,
                              timer.time([&] { QTest::keyClick(box, key.toLatin1()); }).settledMs);
    }
    writeMeasure(out, QStringLiteral("find-first"), -1, firstQuery);
    QList<double> typical;
    for (const QString& query : kTypicalQueries) {
        timer.run([&] {
            box->clear();
            QTest::keyClicks(box, query.chopped(1));
        });
        typical.append(
            timer.time([&] { QTest::keyClick(box, query.back().toLatin1()); }).settledMs);
    }
    writeMeasure(out, QStringLiteral("find-typical"), -1, median(typical));
    timer.run([&] { window.findWindow()->close(); });
}

} // namespace

void timeProgramActions(TimedApplication& app, const QString& pdfPath, QTextStream& out)
{
    ActionTimer timer(app);
    ProgramUnderTest program(pdfPath);
    MainWindow& window = program.window();
    timer.settle();
    timer.run([&] { program.afterFirstFrame(); });

    writeMeasure(out, QStringLiteral("switch-learn"),
                 timer.time([&] { click(&window, QStringLiteral("cmdSelectOption_0")); },
                            QStringLiteral("frmLearnYogaDisp")));
    timeLookups(timer, window, out);
    const ArticleId longest = longestArticle();
    timer.run([&] { window.open(ArticleLocation{longest}); });
    const FrameTimes pdf = timeCommand(timer, window, "mnuFile", "mnuExportPdf");
    if (QFileInfo(pdfPath).size() == 0)
        qFatal("tarvo-bench-actions: no PDF was written to %s", qPrintable(pdfPath));
    writeMeasure(out, QStringLiteral("pdf-export"), pdf);

    timeZodiac(timer, window, out);
    timeChakra(timer, window, out);
    timeFind(timer, window, out);

    writeMeasure(out, QStringLiteral("guide-open"),
                 timeCommand(timer, window, "mnuPractice", "mnuBreathingGuide",
                             QStringLiteral("frmBreathingGuide")));
    practice::Session session{QStringLiteral("Two hundred poses"), {}};
    for (int i = 0; i < kCautionPoses; ++i)
        session.steps.append({asanaNames().at(i % asanaNames().size()).trimmed()});
    writeMeasure(
        out, QStringLiteral("cautions-200"),
        timer.time(
            [&] { practice::startSession(window.context(), window.practice().store(), session); },
            QStringLiteral("frmSessionCautions")));
}

} // namespace tarvo::bench
