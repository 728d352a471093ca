#include "learn/ArticleCatalogue.h"
#include "learn/ArticleViewer.h"
#include "learn/LearnFlow.h"
#include "practice/PracticeFlow.h"
#include "practice/PracticeStore.h"
#include "practice/breathing/BreathingCircle.h"
#include "practice/breathing/BreathingGuideWindow.h"
#include "support/TestMain.h"
#include "support/WindowFixture.h"

#include <QComboBox>
#include <QLabel>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMenuBar>
#include <QPushButton>
#include <QSpinBox>
#include <QVariantAnimation>

using namespace tarvo;
using namespace tarvo::test;

namespace {

// A journal that cannot be written, as when the disk is full.
class RefusingStore final : public practice::PracticeStore {
public:
    QString error() const override { return QStringLiteral("disk full"); }
    bool addEntry(practice::JournalEntry&) override { return false; }
    bool setNote(qint64, const QString&) override { return false; }
    QList<practice::JournalEntry> entries() const override { return {}; }
    QStringList sessionNames() const override { return {}; }
    std::optional<practice::Session> session(const QString&) const override { return {}; }
    bool saveSession(const practice::Session&) override { return false; }
    bool renameSession(const QString&, const QString&) override { return false; }
    bool duplicateSession(const QString&, const QString&) override { return false; }
    bool removeSession(const QString&) override { return false; }
};

} // namespace

class tst_BreathingGuide final : public QObject {
    Q_OBJECT

    std::unique_ptr<MainWindowFixture> m_fixture;
    qint64 m_now = 1'000'000;

    BreathingGuideWindow* openGuide()
    {
        auto* item = m_fixture->window->findChild<QAction*>(QStringLiteral("mnuBreathingGuide"));
        if (!item)
            return nullptr;
        item->trigger();
        return guide();
    }
    BreathingGuideWindow* guide() const
    {
        auto* window = qobject_cast<BreathingGuideWindow*>(
            m_fixture->child(QStringLiteral("frmBreathingGuide")));
        if (window)
            window->setTimeSource([this] { return m_now; });
        return window;
    }
    static BreathingCircle* circle(QWidget* guide)
    {
        return in<BreathingCircle>(guide, QStringLiteral("picBreathingCircle"));
    }
    static QString text(QWidget* guide, const char* label)
    {
        return in<QLabel>(guide, QLatin1String(label))->text();
    }
    static bool ticking(QWidget* guide)
    {
        const auto* ticker = guide->findChild<QVariantAnimation*>();
        return ticker && ticker->state() == QAbstractAnimation::Running;
    }
    QList<practice::JournalEntry> journal() const
    {
        return m_fixture->window->practice().store().entries();
    }

private slots:
    void init()
    {
        failOnUnexpectedWarnings();
        m_fixture = std::make_unique<MainWindowFixture>();
        m_now = 1'000'000;
    }

    void cleanup()
    {
        m_fixture.reset();
        QTRY_VERIFY(QApplication::topLevelWidgets().isEmpty());
    }

    void practiceMenuComesBeforeHelp()
    {
        QStringList titles;
        for (const QAction* title : m_fixture->window->menuBar()->actions())
            titles.append(title->text());
        QCOMPARE(titles.indexOf(QStringLiteral("&Practice")) + 1,
                 titles.indexOf(QStringLiteral("&Help")));
        auto* item = m_fixture->window->findChild<QAction*>(QStringLiteral("mnuBreathingGuide"));
        QVERIFY(item);
        QCOMPARE(item->text(), QStringLiteral("&Breathing Guide\u2026"));
    }

    void countFollowsTheTimePassed()
    {
        BreathingGuideWindow* window = openGuide();
        QVERIFY(window);
        QVERIFY(!m_fixture->window->welcomePanelVisible());
        QVERIFY(!ticking(window));
        click(window, QStringLiteral("cmdStart"));
        QVERIFY(ticking(window));
        QCOMPARE(circle(window)->count(), QStringLiteral("1"));
        QCOMPARE(text(window, "lblPhase"), QStringLiteral("Breathe in"));
        QCOMPARE(text(window, "lblRound"), QStringLiteral("Round 1 of 12, 1:36 left"));

        m_now += 2100;
        QTRY_COMPARE(circle(window)->count(), QStringLiteral("3"));
        QVERIFY(circle(window)->fullness() > 0.5 && circle(window)->fullness() < 0.55);
        QCOMPARE(circle(window)->accessibleDescription(), QStringLiteral("Breathe in, 3"));
        const double midInhale = circle(window)->radius();

        m_now += 2000;
        QTRY_COMPARE(text(window, "lblPhase"), QStringLiteral("Breathe out"));
        QTRY_COMPARE(circle(window)->count(), QStringLiteral("1"));
        QVERIFY(circle(window)->radius() > midInhale);
        m_now += 3000;
        QTRY_VERIFY(circle(window)->radius() < midInhale);

        // Paused, the frames stop and time passing changes nothing.
        click(window, QStringLiteral("cmdPause"));
        QVERIFY(!ticking(window));
        QCOMPARE(in<QPushButton>(window, QStringLiteral("cmdPause"))->text(),
                 QStringLiteral("&Resume"));
        QCOMPARE(text(window, "lblPhase"), QStringLiteral("Paused"));
        const QString frozen = circle(window)->count();
        m_now += 60'000;
        QTest::qWait(50);
        QCOMPARE(circle(window)->count(), frozen);
        click(window, QStringLiteral("cmdPause"));
        QVERIFY(ticking(window));
        m_now += 1000;
        QTRY_COMPARE(text(window, "lblRound"), QStringLiteral("Round 2 of 12, 1:28 left"));
    }

    void stopWritesTheJournal()
    {
        BreathingGuideWindow* window = openGuide();
        QVERIFY(window);
        click(window, QStringLiteral("cmdStart"));
        QVERIFY(!in<QComboBox>(window, QStringLiteral("cboPattern"))->isEnabled());
        m_now += 17'400;
        click(window, QStringLiteral("cmdStop"));
        QVERIFY(!ticking(window));
        QCOMPARE(journal().size(), 1);
        const practice::JournalEntry entry = journal().constFirst();
        QCOMPARE(entry.kind, practice::PracticeKind::Breathing);
        QCOMPARE(entry.title, QStringLiteral("Equal breathing"));
        QCOMPARE(entry.summary, QStringLiteral("2 of 12 rounds at 4:4"));
        QCOMPARE(entry.seconds, 17);
        QCOMPARE(entry.started, QDateTime(QDate(2026, 3, 1), QTime(10, 0)));
        QVERIFY(!entry.completed);
        QCOMPARE(text(window, "lblPhase"), QStringLiteral("Stopped"));
        QVERIFY(in<QComboBox>(window, QStringLiteral("cboPattern"))->isEnabled());
        // A second stop, or closing the window afterwards, writes nothing more.
        click(window, QStringLiteral("cmdStop"));
        window->parentWidget()->close();
        QCOMPARE(journal().size(), 1);
    }

    void finishedPracticeIsJournalledOnce()
    {
        BreathingGuideWindow* window = openGuide();
        QVERIFY(window);
        auto* patterns = in<QComboBox>(window, QStringLiteral("cboPattern"));
        patterns->setCurrentIndex(patterns->findData(QStringLiteral("box")));
        QCOMPARE(in<QSpinBox>(window, QStringLiteral("spnLength"))->value(), 8);
        in<QSpinBox>(window, QStringLiteral("spnLength"))->setValue(1);
        click(window, QStringLiteral("cmdStart"));
        m_now += 16'000;
        QTRY_COMPARE(journal().size(), 1);
        QVERIFY(!ticking(window));
        QCOMPARE(journal().constFirst().summary, QStringLiteral("1 round at 4:4:4:4"));
        QVERIFY(journal().constFirst().completed);
        QCOMPARE(text(window, "lblPhase"), QStringLiteral("Well done"));
        m_now += 16'000;
        QTest::qWait(50);
        QCOMPARE(journal().size(), 1);
    }

    void closingThePractisingWindowStopsIt()
    {
        BreathingGuideWindow* window = openGuide();
        QVERIFY(window);
        click(window, QStringLiteral("cmdStart"));
        m_now += 5000;
        m_fixture->window->selectProgram(Program::ZodiacYoga);
        QCOMPARE(journal().size(), 1);
        QCOMPARE(journal().constFirst().seconds, 5);
        QVERIFY(!journal().constFirst().completed);
    }

    void customCountsAndMinutes()
    {
        BreathingGuideWindow* window = openGuide();
        QVERIFY(window);
        auto* patterns = in<QComboBox>(window, QStringLiteral("cboPattern"));
        QVERIFY(!in<QWidget>(window, QStringLiteral("fraCustom"))->isVisible());
        patterns->setCurrentIndex(patterns->findData(QStringLiteral("custom")));
        QVERIFY(in<QWidget>(window, QStringLiteral("fraCustom"))->isVisible());
        in<QSpinBox>(window, QStringLiteral("spnInhale"))->setValue(3);
        in<QSpinBox>(window, QStringLiteral("spnHold"))->setValue(0);
        in<QSpinBox>(window, QStringLiteral("spnExhale"))->setValue(5);
        in<QSpinBox>(window, QStringLiteral("spnHoldOut"))->setValue(2);
        // The spin boxes keep the counts a pattern can have.
        QCOMPARE(in<QSpinBox>(window, QStringLiteral("spnExhale"))->minimum(), 1);
        QCOMPARE(in<QSpinBox>(window, QStringLiteral("spnHoldOut"))->minimum(), 0);
        in<QComboBox>(window, QStringLiteral("cboLengthUnit"))->setCurrentIndex(1);
        in<QSpinBox>(window, QStringLiteral("spnLength"))->setValue(1);
        click(window, QStringLiteral("cmdStart"));
        // 60 s of 10 s breaths: 6 rounds.
        QCOMPARE(text(window, "lblRound"), QStringLiteral("Round 1 of 6, 1:00 left"));
        m_now += 8500;
        QTRY_COMPARE(text(window, "lblPhase"), QStringLiteral("Hold"));
        QCOMPARE(circle(window)->fullness(), 0.0);
        click(window, QStringLiteral("cmdStop"));
        QCOMPARE(journal().constFirst().title, QStringLiteral("Custom breathing"));
        QCOMPARE(journal().constFirst().summary, QStringLiteral("0 of 6 rounds at 3:0:5:2"));
    }

    void nostrilIsShownForNadiShodhana()
    {
        m_fixture->window->open(
            PracticeLocation{PracticeWindow::BreathingGuide, QStringLiteral("nadi-shodhana-hold")});
        BreathingGuideWindow* window = guide();
        QVERIFY(window);
        QVERIFY(in<QLabel>(window, QStringLiteral("lblPatternNote"))->isVisible());
        click(window, QStringLiteral("cmdStart"));
        QCOMPARE(text(window, "lblNostril"), QStringLiteral("Left nostril"));
        m_now += 19'500;
        QTRY_COMPARE(text(window, "lblNostril"), QStringLiteral("Both nostrils closed"));
        QCOMPARE(circle(window)->accessibleDescription(),
                 QStringLiteral("Hold, 16, Both nostrils closed"));
        m_now += 10'000;
        QTRY_COMPARE(text(window, "lblNostril"), QStringLiteral("Right nostril"));
        QCOMPARE(text(window, "lblPhase"), QStringLiteral("Breathe in"));
        // Asked for another pattern while practising, the guide keeps the one under way.
        m_fixture->window->open(
            PracticeLocation{PracticeWindow::BreathingGuide, QStringLiteral("box")});
        QCOMPARE(guide(), window);
        QCOMPARE(window->patternKey(), QStringLiteral("nadi-shodhana-hold"));
    }

    // The cautions of the conditions ticked before a session are marked, and a pattern one rules
    // out starts only when the user says so; forceful breathing stays within its rounds.
    void cautionsAndLimitsBeforeBreathing()
    {
        m_fixture->seams.settings.values.insert(QStringLiteral("Practice/Conditions"),
                                                QStringLiteral("pregnancy"));
        BreathingGuideWindow* window = openGuide();
        QVERIFY(window);
        QVERIFY(in<QLabel>(window, QStringLiteral("lblPatternMarks"))->isHidden());
        QVERIFY(window->selectPattern(QStringLiteral("kapalbhati")));
        QVERIFY(text(window, "lblPatternMarks")
                    .startsWith(QStringLiteral("\u26a0 Avoid with Pregnancy: Do not practise it")));
        QVERIFY(text(window, "lblPatternCautions").contains(QStringLiteral("empty stomach")));
        QVERIFY(!in<QComboBox>(window, QStringLiteral("cboLengthUnit"))->isEnabled());
        auto* length = in<QSpinBox>(window, QStringLiteral("spnLength"));
        QCOMPARE(length->maximum(), practice::kMaxForcefulRounds);
        QVERIFY(in<QLabel>(window, QStringLiteral("lblRoundsWarning"))->isHidden());
        length->setValue(4);
        QVERIFY(text(window, "lblRoundsWarning").startsWith(QStringLiteral("More than 3 rounds")));

        m_fixture->seams.desktop.answers.push_back(MessageAnswer::No);
        window->start();
        QVERIFY(!window->practising());
        QCOMPARE(m_fixture->seams.desktop.messages.size(), 1);
        QVERIFY(m_fixture->seams.desktop.messages.constFirst().text.contains(
            QStringLiteral("not for pregnancy")));
        m_fixture->seams.desktop.answers.push_back(MessageAnswer::Yes);
        window->start();
        QVERIFY(window->practising());
        window->stop();

        // Equal breathing asks nothing, and goes by minutes again.
        QVERIFY(window->selectPattern(QStringLiteral("equal")));
        QVERIFY(in<QComboBox>(window, QStringLiteral("cboLengthUnit"))->isEnabled());
        QVERIFY(in<QLabel>(window, QStringLiteral("lblPatternMarks"))->isHidden());
        window->start();
        QVERIFY(window->practising());
        QCOMPARE(m_fixture->seams.desktop.messages.size(), 2);
    }

    // A frame of the breath repaints the circle, never the window around it or its title bar.
    void onlyTheCircleRepaints()
    {
        BreathingGuideWindow* window = openGuide();
        QVERIFY(window);
        QWidget* frame = window->parentWidget();
        struct PaintCount : QObject {
            QMap<QObject*, int> paints;
            bool eventFilter(QObject* watched, QEvent* event) override
            {
                if (event->type() == QEvent::Paint)
                    ++paints[watched];
                return false;
            }
        } count;
        frame->installEventFilter(&count);
        window->installEventFilter(&count);
        circle(window)->installEventFilter(&count);
        window->setTimeSource([] { return QDateTime::currentMSecsSinceEpoch(); });
        window->start();
        // Once it runs, a second of breath.
        QTest::qWait(200);
        count.paints.clear();
        QTest::qWait(1000);
        window->stop();
        QVERIFY2(count.paints.value(circle(window)) >= 20,
                 qPrintable(QString::number(count.paints.value(circle(window)))));
        QCOMPARE(count.paints.value(frame), 0);
        QCOMPARE(count.paints.value(window), 0);
    }

    void refusedJournalIsReported()
    {
        m_fixture->window->practice().setStore(std::make_unique<RefusingStore>());
        BreathingGuideWindow* window = openGuide();
        QVERIFY(window);
        click(window, QStringLiteral("cmdStart"));
        m_now += 3000;
        click(window, QStringLiteral("cmdStop"));
        QCOMPARE(m_fixture->seams.desktop.messages.size(), 1);
        const auto& message = m_fixture->seams.desktop.messages.constFirst();
        QCOMPARE(message.icon, MessageIcon::Critical);
        QVERIFY(message.text.contains(QStringLiteral("could not be written")));
        QVERIFY(message.text.contains(QStringLiteral("disk full")));
    }

    void breatheWithTheGuide_data()
    {
        QTest::addColumn<QString>("button");
        QTest::addColumn<QString>("pattern");
        const QHash<QString, QString> guided = {
            {QStringLiteral("Command63"), QStringLiteral("Nadi Shodhana (4:8)")},
            {QStringLiteral("Command64"),
             QStringLiteral("Bhastrika (one bellows breath a second)")},
            {QStringLiteral("Command65"), QStringLiteral("Bhramari (4:8)")},
            {QStringLiteral("Command66"), QStringLiteral("Kapalbhati (one stroke a second)")},
            {QStringLiteral("Command72"), QStringLiteral("Surya Namaskar (4 seconds a movement)")},
        };
        int rows = 0;
        for (int id = 0; id < kArticleCount; ++id) {
            const QString name = articleButtonName(ArticleId(id));
            QTest::newRow(qPrintable(name)) << name << guided.value(name);
            ++rows;
        }
        QCOMPARE(rows, 21);
    }

    void breatheWithTheGuide()
    {
        QFETCH(QString, button);
        QFETCH(QString, pattern);
        m_fixture->window->selectProgram(Program::LearnYoga);
        QVERIFY(!in<QWidget>(m_fixture->window.get(), QStringLiteral("cmdBreatheWithGuide"))
                     ->isVisible());
        const ArticleId article = *articleWithButtonName(button);
        m_fixture->window->learn().showArticle(article);
        auto* breathe =
            in<QPushButton>(m_fixture->window.get(), QStringLiteral("cmdBreatheWithGuide"));
        QCOMPARE(breathe->isVisible(), !pattern.isEmpty());
        if (pattern.isEmpty())
            return;
        // An asana page in the same viewer has no breathing of its own.
        m_fixture->window->learn().toggleSection(Section::AsanasByName);
        QVERIFY(!breathe->isVisible());
        m_fixture->window->learn().showArticle(article);
        QVERIFY(breathe->isVisible());

        click(m_fixture->window.get(), QStringLiteral("cmdBreatheWithGuide"));
        BreathingGuideWindow* window = guide();
        QVERIFY(window);
        QCOMPARE(in<QComboBox>(window, QStringLiteral("cboPattern"))->currentText(), pattern);
        auto* area = m_fixture->window->findChild<QMdiArea*>();
        QCOMPARE(area->activeSubWindow()->widget(), window);
        // Learn Yoga's panels make room, so the whole guide fits in the work area.
        QVERIFY(!in<QWidget>(m_fixture->window.get(), QStringLiteral("picLeft"))->isVisible());
        QVERIFY(area->viewport()->rect().contains(area->activeSubWindow()->geometry()));
    }
};

TARVO_TEST_MAIN(tst_BreathingGuide)
#include "tst_breathingguide.moc"
