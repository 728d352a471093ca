#include "app/MainWindow.h"
#include "app/ProgramWindows.h"
#include "chakra/ChakraAsanaWindow.h"
#include "chakra/ChakraChart.h"
#include "chakra/ChakraResultWindow.h"
#include "report/RichTextBox.h"
#include "shell/WorkArea.h"
#include "support/TestMain.h"
#include "support/WindowFixture.h"

#include <QCheckBox>
#include <QDir>
#include <QLabel>
#include <QMdiSubWindow>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <memory>

using namespace tarvo;
using test::click;
using test::in;

namespace {

int questionNumber(const QString& text)
{
    for (int q = 0; q < kQuestionCount; ++q) {
        if (chakraQuestion(q).text == text)
            return q;
    }
    return -1;
}

bool formShown(QWidget* form)
{
    return form && form->parentWidget() && form->parentWidget()->isVisible();
}

} // namespace

class tst_ChakraWindows final : public QObject {
    Q_OBJECT

    QWidget* form(const QString& name) const { return m_fixture->child(name); }
    QStringList messages() const { return m_fixture->seams.desktop.messageTexts(); }

    void shot(const QString& name) const { m_fixture->shot(QStringLiteral("chakra-") + name); }

    std::unique_ptr<test::MainWindowFixture> m_fixture;

private slots:
    void init()
    {
        test::failOnUnexpectedWarnings();
        m_fixture = std::make_unique<test::MainWindowFixture>();
        m_fixture->window->selectProgram(Program::ChakraYoga);
    }

    // A screen reader hears the values the bars show.
    void chartTellsItsValues()
    {
        ChakraChart chart;
        chart.setScores({5, 2, 0, 8, 3, 1, 6});
        QCOMPARE(chart.accessibleDescription(),
                 QStringLiteral("Root 62 %, Sacral 25 %, Navel 0 %, Heart 100 %, Throat 38 %, "
                                "Third Eye 12 %, Crown 75 %"));
    }

    void cleanup()
    {
        m_fixture.reset();
        QTRY_VERIFY(QApplication::topLevelWidgets().isEmpty());
    }

    void wholeTestThroughTheButtons()
    {
        QWidget* selection = form(QStringLiteral("frmChakraYogaMain"));
        QVERIFY(formShown(selection));
        QVERIFY(!m_fixture->window->welcomePanelVisible());
        QCOMPARE(selection->windowTitle(), QStringLiteral("Tarvo Chakra Yoga"));
        QCOMPARE(in<QCheckBox>(selection, QStringLiteral("chkChakras_1"))->text(),
                 QStringLiteral("Sacral Chakra (Swadhisthanna)"));
        shot(QStringLiteral("selection"));

        click(selection, QStringLiteral("cmdTest"));
        QCOMPARE(messages(), QStringList{QStringLiteral("Please select at least one chakra")});
        QCOMPARE(m_fixture->seams.desktop.messages.first().icon, MessageIcon::Critical);
        QVERIFY(formShown(selection));
        QVERIFY(!form(QStringLiteral("frmChakraYogaQuestions")));

        in<QCheckBox>(selection, QStringLiteral("chkChakras_1"))->setChecked(true);
        in<QCheckBox>(selection, QStringLiteral("chkChakras_4"))->setChecked(true);
        const std::uint64_t seed = m_fixture->seams.random.nextSeed;
        click(selection, QStringLiteral("cmdTest"));
        QCOMPARE(m_fixture->seams.random.nextSeed, seed + 1);
        QWidget* questions = form(QStringLiteral("frmChakraYogaQuestions"));
        QVERIFY(formShown(questions));
        QVERIFY(!formShown(selection));

        // Sacral answered with every counting answer (8, over-active), Throat with one
        // (under-active).
        auto label = in<QLabel>(questions, QStringLiteral("lblQNo"));
        auto text = in<QPlainTextEdit>(questions, QStringLiteral("txtQuestions"));
        int throatCounted = 0;
        bool wentBack = false;
        for (int k = 1; k <= 16; ++k) {
            QCOMPARE(label->text(), QStringLiteral("Question No. %1 of 16").arg(k));
            const int q = questionNumber(text->toPlainText());
            QVERIFY(q >= 0);
            const ChakraQuestion question = chakraQuestion(q);
            ChakraAnswer answer = ChakraAnswer::NotSure;
            if (question.chakra == ChakraId::Sacral)
                answer = question.countingAnswer;
            else if (throatCounted++ == 0)
                answer = question.countingAnswer;
            click(questions, QStringLiteral("optAnswer_%1").arg(int(answer)));
            if (k == 5 && !wentBack) {
                shot(QStringLiteral("question"));
                click(questions, QStringLiteral("cmdNext"));
                // A different option on question 6, then Back: question 5 comes with its own
                // answer.
                click(questions, QStringLiteral("optAnswer_%1").arg(int(answer) == 2 ? 0 : 2));
                click(questions, QStringLiteral("cmdBack"));
                wentBack = true;
                QCOMPARE(label->text(), QStringLiteral("Question No. 5 of 16"));
                QCOMPARE(text->toPlainText(), question.text);
                QVERIFY(in<QRadioButton>(questions, QStringLiteral("optAnswer_%1").arg(int(answer)))
                            ->isChecked());
            }
            click(questions, QStringLiteral("cmdNext"));
        }

        QWidget* result = form(QStringLiteral("frmChakraYogaResult"));
        QVERIFY(formShown(result));
        QTRY_VERIFY(!form(QStringLiteral("frmChakraYogaQuestions")));
        QVERIFY(!m_fixture->window->welcomePanelVisible());
        auto* chart = in<ChakraChart>(result, QStringLiteral("chakraChart"));
        QCOMPARE(chart->bars()[chakraIndex(ChakraId::Sacral)].percent, 100);
        QCOMPARE(chart->bars()[chakraIndex(ChakraId::Throat)].percent, 12);
        QVERIFY(!chart->bars()[chakraIndex(ChakraId::Root)].visible);
        QVERIFY(chart->barRect(ChakraId::Sacral).height()
                > 8 * chart->barRect(ChakraId::Throat).height() - 1);
        QCOMPARE(chart->barRect(ChakraId::Sacral).bottom(),
                 chart->barRect(ChakraId::Throat).bottom());
        const QString resultText = in<RichTextBox>(result, QStringLiteral("RTB"))->toPlainText();
        QVERIFY(resultText.contains(
            QStringLiteral("Your Sacral Chakra (Swadhisthanna) is OverActive")));
        QVERIFY(
            resultText.contains(QStringLiteral("Your Throat Chakra (Vishuddha) is UnderActive")));
        QVERIFY(in<RichTextBox>(result, QStringLiteral("RTB"))->linkDetection());
        shot(QStringLiteral("result"));

        click(result, QStringLiteral("cmdYogaChakra"));
        auto* asanas = qobject_cast<ChakraAsanaWindow*>(form(QStringLiteral("frmYogaChakra")));
        QVERIFY(formShown(asanas));
        QTRY_VERIFY(!form(QStringLiteral("frmChakraYogaResult")));
        QVERIFY(!m_fixture->window->welcomePanelVisible());
        auto chakraName = [&] {
            return in<QLabel>(asanas, QStringLiteral("lblChakraName"))->text();
        };
        auto asanaText = [&] {
            return in<RichTextBox>(asanas, QStringLiteral("RTB"))->toPlainText();
        };
        QCOMPARE(chakraName(), QStringLiteral("Sacral Chakra (Swadhisthanna)"));
        QVERIFY(asanaText().startsWith(QStringLiteral("Asanas Name\nMandukasana\n")));
        QVERIFY(!in<QLabel>(asanas, QStringLiteral("picYoga"))->pixmap().isNull());
        shot(QStringLiteral("asana"));

        // Across the empty slots between Sacral and Throat, both ways.
        click(asanas, QStringLiteral("cmdNext"));
        click(asanas, QStringLiteral("cmdNext"));
        QCOMPARE(chakraName(), QStringLiteral("Throat Chakra (Vishuddha)"));
        QVERIFY(asanaText().contains(QStringLiteral("\nMatsyasana\n")));
        click(asanas, QStringLiteral("cmdBk"));
        QCOMPARE(chakraName(), QStringLiteral("Sacral Chakra (Swadhisthanna)"));
        QVERIFY(asanaText().contains(QStringLiteral("\nBhujangasana\n")));
        click(asanas, QStringLiteral("cmdBk"));
        QCOMPARE(asanas->asanaPosition(), std::optional(1));
        QCOMPARE(messages().size(), 1);
        click(asanas, QStringLiteral("cmdBk"));
        QCOMPARE(messages().last(), QStringLiteral("You are at the first record"));
        QCOMPARE(asanas->asanaPosition(), std::optional(1));

        click(asanas, QStringLiteral("cmdBack"));
        QVERIFY(formShown(selection));
        QVERIFY(in<QCheckBox>(selection, QStringLiteral("chkChakras_4"))->isChecked());
        QTRY_VERIFY(!form(QStringLiteral("frmYogaChakra")));
        QVERIFY(!m_fixture->window->welcomePanelVisible());
        click(selection, QStringLiteral("cmdNav"));
        QTRY_VERIFY(!form(QStringLiteral("frmChakraYogaMain")));
        QVERIFY(m_fixture->window->welcomePanelVisible());
    }

    void nextPastTheEndThenPrevious()
    {
        RecommendedAsanas list =
            recommendedAsanas(PerChakra<bool>{false, false, false, false, true});
        auto* asanas = new ChakraAsanaWindow(m_fixture->window->context(), list);
        m_fixture->window->area().open(asanas);
        for (int i = 0; i < 6; ++i)
            click(asanas, QStringLiteral("cmdNext"));
        QCOMPARE(asanas->asanaPosition(), std::optional(12));
        click(asanas, QStringLiteral("cmdBk"));
        QCOMPARE(asanas->asanaPosition(), std::optional(11));
        QVERIFY(in<RichTextBox>(asanas, QStringLiteral("RTB"))
                    ->toPlainText()
                    .contains(QStringLiteral("Bhujangasana")));
        QVERIFY(messages().isEmpty());
        click(asanas, QStringLiteral("cmdExit"));
        QTRY_VERIFY(!form(QStringLiteral("frmYogaChakra")));
        QVERIFY(m_fixture->window->welcomePanelVisible());
    }

    void openChakrasNeedNoYoga()
    {
        auto session = std::make_shared<ChakraTestSession>();
        session->selected[chakraIndex(ChakraId::Navel)] = true;
        session->scores[chakraIndex(ChakraId::Navel)] = 5;
        auto* result = new ChakraResultWindow(m_fixture->window->context(), session);
        m_fixture->window->area().open(result);
        auto* chart = in<ChakraChart>(result, QStringLiteral("chakraChart"));
        QCOMPARE(chart->bars()[chakraIndex(ChakraId::Navel)].percent, 62);
        click(result, QStringLiteral("cmdYogaChakra"));
        QCOMPARE(messages(),
                 QStringList{QStringLiteral("Chakra Yoga not applicable for Open Chakras")});
        QCOMPARE(m_fixture->seams.desktop.messages.first().icon, MessageIcon::Critical);
        QVERIFY(formShown(result));
        QVERIFY(!form(QStringLiteral("frmYogaChakra")));
    }

    void barsStandOnTheBaseLineInScoreOrder()
    {
        auto session = std::make_shared<ChakraTestSession>();
        session->selected.fill(true);
        session->scores = {0, 2, 3, 5, 6, 8, 1};
        auto* result = new ChakraResultWindow(m_fixture->window->context(), session);
        m_fixture->window->area().open(result);
        auto* chart = in<ChakraChart>(result, QStringLiteral("chakraChart"));
        QVERIFY(chart->barRect(ChakraId::Root).isEmpty());
        const QList<ChakraId> rising = {ChakraId::Crown, ChakraId::Sacral, ChakraId::Navel,
                                        ChakraId::Heart, ChakraId::Throat, ChakraId::ThirdEye};
        for (qsizetype i = 1; i < rising.size(); ++i) {
            QVERIFY(chart->barRect(rising[i]).height() > chart->barRect(rising[i - 1]).height());
            QCOMPARE(chart->barRect(rising[i]).bottom(), chart->barRect(rising[0]).bottom());
        }
        // The whole chart, labels included, is on screen inside the window.
        QCOMPARE(chart->height(), chart->sizeHint().height());
        QVERIFY(chart->visibleRegion().boundingRect().height() >= chart->sizeHint().height());
        const QString text = in<RichTextBox>(result, QStringLiteral("RTB"))->toPlainText();
        QVERIFY(text.indexOf(QStringLiteral("Root Chakra"))
                < text.indexOf(QStringLiteral("Crown Chakra (S")));
        shot(QStringLiteral("result-bars"));
    }

    // The test stays as it was: a window that shows it never changes it.
    void closingTheResultLeavesTheTestAsItWas()
    {
        auto session = std::make_shared<ChakraTestSession>();
        session->selected[chakraIndex(ChakraId::Root)] = true;
        const ChakraTestSession before = *session;
        auto* result = new ChakraResultWindow(m_fixture->window->context(), session);
        m_fixture->window->area().open(result);
        m_fixture->window->setWelcomePanelVisible(false);
        auto* rtb = in<RichTextBox>(result, QStringLiteral("RTB"));
        click(result, QStringLiteral("cmdExit"));
        QVERIFY(!rtb->linkDetection());
        QCOMPARE(session->scores, before.scores);
        QCOMPARE(chakrasNeedingYoga(*session), chakrasNeedingYoga(before));
        QVERIFY(m_fixture->window->welcomePanelVisible());
    }

    void resultBackReturnsToTheSelectionAsLeft()
    {
        QWidget* selection = form(QStringLiteral("frmChakraYogaMain"));
        in<QCheckBox>(selection, QStringLiteral("chkChakras_6"))->setChecked(true);
        click(selection, QStringLiteral("cmdTest"));
        QWidget* questions = form(QStringLiteral("frmChakraYogaQuestions"));
        for (int k = 0; k < 8; ++k)
            click(questions, QStringLiteral("cmdNext"));
        QWidget* result = form(QStringLiteral("frmChakraYogaResult"));
        QVERIFY(formShown(result));
        // Untouched buttons answer Yes: Crown scores 4.
        QCOMPARE(in<ChakraChart>(result, QStringLiteral("chakraChart"))->bars()[6].percent, 50);
        click(result, QStringLiteral("cmdBack"));
        QVERIFY(formShown(selection));
        QVERIFY(in<QCheckBox>(selection, QStringLiteral("chkChakras_6"))->isChecked());
        QTRY_VERIFY(!form(QStringLiteral("frmChakraYogaResult")));
        QVERIFY(!m_fixture->window->welcomePanelVisible());
        // A second test with the same choice asks in a new order from a fresh seed.
        click(selection, QStringLiteral("cmdTest"));
        QCOMPARE(m_fixture->seams.random.nextSeed, std::uint64_t(3));
    }
};

TARVO_TEST_MAIN(tst_ChakraWindows)
#include "tst_chakrawindows.moc"
