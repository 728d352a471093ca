#include "support/Journeys.h"

#include "app/MainWindow.h"
#include "chakra/ChakraResultWindow.h"
#include "shell/WorkArea.h"
#include "support/WindowFixture.h"
#include "zodiac/ZodiacInputWindow.h"
#include "zodiac/ZodiacResultWindow.h"

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QTimer>
#include <optional>

namespace tarvo::test {

QWidget* openLocation(MainWindow& window, const Location& location)
{
    window.open(location);
    return window.area().frontWindow();
}

ZodiacInputWindow* fillZodiacInput(MainWindow& window, const QString& name, BirthDate date)
{
    window.selectProgram(Program::ZodiacYoga);
    auto* input =
        qobject_cast<ZodiacInputWindow*>(openWindow(window, QStringLiteral("frmZodiacYogaMain")));
    if (!input) {
        qWarning("no Zodiac input window");
        return nullptr;
    }
    if (auto* box = in<QLineEdit>(input, QStringLiteral("txtName")))
        box->setText(name);
    if (auto* month = in<QComboBox>(input, QStringLiteral("cboMonth")))
        month->setCurrentIndex(date.month - 1);
    if (auto* day = in<QComboBox>(input, QStringLiteral("cboDate")))
        day->setCurrentIndex(date.day - 1);
    if (auto* year = in<QComboBox>(input, QStringLiteral("cboYear")); year && date.year != 0)
        year->setCurrentIndex(year->findText(QString::number(date.year)));
    return input;
}

ZodiacResultWindow* openZodiacResult(MainWindow& window, const QString& name, BirthDate date)
{
    ZodiacInputWindow* input = fillZodiacInput(window, name, date);
    if (!input)
        return nullptr;
    click(input, QStringLiteral("cmdNext"));
    return input->resultWindow();
}

bool inZodiacReport(ZodiacResultWindow& result, const std::function<void(QWidget*)>& look)
{
    bool seen = false;
    // Dies with this call, so a report that never came cannot fire it later.
    QTimer poll;
    poll.setSingleShot(true);
    QObject::connect(&poll, &QTimer::timeout, &result, [&seen, &look] {
        QWidget* report = QApplication::activeModalWidget();
        if (!report)
            return;
        seen = true;
        if (look)
            look(report);
        report->close();
    });
    poll.start(0);
    click(&result, QStringLiteral("cmdPrint"));
    return seen;
}

ChakraAnswer notSure(const ChakraQuestion&)
{
    return ChakraAnswer::NotSure;
}

ChakraAnswer countingAnswer(const ChakraQuestion& question)
{
    return question.countingAnswer;
}

QList<ChakraId> allChakras()
{
    QList<ChakraId> all;
    for (int c = 0; c < kChakraCount; ++c)
        all.append(ChakraId(c));
    return all;
}

namespace {

std::optional<ChakraQuestion> questionShown(const QWidget* questions)
{
    const auto* text = in<QPlainTextEdit>(questions, QStringLiteral("txtQuestions"));
    for (int q = 0; text && q < kQuestionCount; ++q) {
        if (chakraQuestion(q).text == text->toPlainText())
            return chakraQuestion(q);
    }
    qWarning("a question the test does not hold");
    return std::nullopt;
}

} // namespace

ChakraResultWindow* openChakraResult(MainWindow& window, const QList<ChakraId>& chakras,
                                     const ChakraAnswering& answer)
{
    window.selectProgram(Program::ChakraYoga);
    QWidget* selection = openWindow(window, QStringLiteral("frmChakraYogaMain"));
    if (!selection) {
        qWarning("no chakra selection window");
        return nullptr;
    }
    for (const ChakraId chakra : chakras) {
        const QString name = QStringLiteral("chkChakras_%1").arg(chakraIndex(chakra));
        if (auto* box = in<QCheckBox>(selection, name))
            box->setChecked(true);
    }
    click(selection, QStringLiteral("cmdTest"));
    QWidget* questions = openWindow(window, QStringLiteral("frmChakraYogaQuestions"));
    const auto* number = in<QLabel>(questions, QStringLiteral("lblQNo"));
    if (!number)
        return nullptr;
    // "Question No. 1 of 16"
    const int total = number->text().section(u' ', -1).toInt();
    for (int k = 0; k < total; ++k) {
        const std::optional<ChakraQuestion> question = questionShown(questions);
        if (!question)
            return nullptr;
        click(questions, QStringLiteral("optAnswer_%1").arg(int(answer(*question))));
        click(questions, QStringLiteral("cmdNext"));
    }
    return qobject_cast<ChakraResultWindow*>(
        openWindow(window, QStringLiteral("frmChakraYogaResult")));
}

} // namespace tarvo::test
