#include "audio/AudioOutput.h"
#include "chakra/ChakraAsanaWindow.h"
#include "learn/ArticleViewer.h"
#include "learn/LearnFlow.h"
#include "practice/PracticeFlow.h"
#include "practice/PracticeStore.h"
#include "practice/VoiceSoundDialog.h"
#include "practice/sessions/SessionPlayerWindow.h"
#include "report/RichTextBox.h"
#include "shell/WorkArea.h"
#include "support/Journeys.h"
#include "support/TestMain.h"
#include "support/WindowFixture.h"
#include "zodiac/ZodiacResultWindow.h"

#include <QAccessible>
#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QSpinBox>
#include <QTabWidget>

using namespace tarvo;
using practice::SessionPlayer;
using practice::SessionPlayerWindow;
using test::in;

Q_DECLARE_METATYPE(tarvo::MessageAnswer)

class tst_SessionWindows : public QObject {
    Q_OBJECT

private:
    std::unique_ptr<test::MainWindowFixture> m_fixture;

    QWidget* child(const char* name) const { return m_fixture->child(QString::fromLatin1(name)); }

    SessionPlayerWindow* startFromCautions()
    {
        QWidget* cautions = child("frmSessionCautions");
        if (!cautions)
            return nullptr;
        test::click(cautions, QStringLiteral("cmdStartSession"));
        return qobject_cast<SessionPlayerWindow*>(child("frmSessionPlayer"));
    }

    static void press(Qt::Key key)
    {
        QWidget* target = QApplication::focusWidget();
        QVERIFY(target);
        QTest::keyClick(target, key);
    }

    static QString text(const QWidget* root, const char* name)
    {
        const auto* label = in<QLabel>(root, QString::fromLatin1(name));
        return label ? label->text() : QString();
    }

private slots:
    void init()
    {
        test::failOnUnexpectedWarnings();
        m_fixture = std::make_unique<test::MainWindowFixture>(ProgramWindows{});
        // The offscreen tests have no sound card to open.
        m_fixture->seams.settings.values.insert(QStringLiteral("Practice/Chime"),
                                                QStringLiteral("off"));
    }

    void cleanup()
    {
        m_fixture.reset();
        QTRY_VERIFY(QApplication::topLevelWidgets().isEmpty());
    }

    void keysPauseSkipAndStop()
    {
        m_fixture->window->practise(QStringLiteral("Aries"),
                                    {QStringLiteral("Sarvangasana"), QStringLiteral("Makarasana"),
                                     QStringLiteral("Savasana")});
        QVERIFY(child("frmSessionCautions")->isVisible());
        SessionPlayerWindow* player = startFromCautions();
        QVERIFY(player);
        QVERIFY(player->isVisible());
        QVERIFY(!child("frmSessionCautions"));
        // It covers the whole work area.
        QCOMPARE(player->parentWidget()->size(),
                 m_fixture->window->findChild<QMdiArea*>()->viewport()->size());
        // Time to get into the warm-up, on the side its procedure starts on.
        QCOMPARE(text(player, "lblPoseName"), QStringLiteral("Pavanamuktasana"));
        QCOMPARE(text(player, "lblStepCount"), QStringLiteral("Pose 1 of 6"));
        QCOMPARE(text(player, "lblHold"), QStringLiteral("Get ready, right side"));
        QVERIFY(text(player, "lblCue").startsWith(QStringLiteral("Lying on the back")));
        QVERIFY(text(player, "lblEasier")
                    .startsWith(QStringLiteral("Level: beginner. Make it easier: ")));
        // How to get in, beside the picture, the step said now marked.
        const auto marked = [player] {
            QStringList now;
            const QList<QLabel*> steps =
                in(player, QStringLiteral("fraPoseSteps"))->findChildren<QLabel*>();
            for (const QLabel* step : steps) {
                if (step->accessibleDescription() == QStringLiteral("Now"))
                    now.append(step->objectName());
            }
            return now;
        };
        QVERIFY(
            text(player, "lblPoseStep_1").startsWith(QStringLiteral("1. Lie flat on your back")));
        QVERIFY(text(player, "lblPoseStep_4").startsWith(QStringLiteral("To come out: 4. ")));
        QCOMPARE(marked(), QStringList{"lblPoseStep_1"});
        QCOMPARE(text(player, "lblNext"), QStringLiteral("Next: Pavanamuktasana, left side"));
        QCOMPARE(text(player, "lblCountdown"), QStringLiteral("0:08"));
        QVERIFY(!in<QLabel>(player, QStringLiteral("picPose"))->pixmap().isNull());

        press(Qt::Key_Space);
        QCOMPARE(player->player().state(), SessionPlayer::State::Paused);
        QCOMPARE(in<QPushButton>(player, QStringLiteral("cmdPause"))->text(),
                 QStringLiteral("Res&ume"));
        press(Qt::Key_Space);
        QCOMPARE(player->player().state(), SessionPlayer::State::Playing);

        press(Qt::Key_Right);
        QCOMPARE(text(player, "lblHold"), QStringLiteral("Hold: 10 seconds, right side"));
        QCOMPARE(marked(), QStringList{"lblPoseStep_3"});
        QVERIFY(text(player, "lblCue").startsWith(QStringLiteral("To come out: ")));
        for (int i = 0; i < 3; ++i)
            press(Qt::Key_Right);
        QCOMPARE(text(player, "lblPoseName"), QStringLiteral("Tadasana"));
        QCOMPARE(text(player, "lblHold"), QStringLiteral("Get ready"));
        press(Qt::Key_Right);
        QCOMPARE(text(player, "lblHold"), QStringLiteral("Hold: 5 times"));
        press(Qt::Key_Left);
        press(Qt::Key_Left);
        QCOMPARE(text(player, "lblHold"), QStringLiteral("Hold: 10 seconds, left side"));
        QVERIFY(m_fixture->window->practice().store().entries().isEmpty());

        press(Qt::Key_Escape);
        QCOMPARE(player->player().state(), SessionPlayer::State::Stopped);
        QCOMPARE(text(player, "lblPoseName"), QStringLiteral("Session stopped"));
        const QList<practice::JournalEntry> entries =
            m_fixture->window->practice().store().entries();
        QCOMPARE(entries.size(), 1);
        QCOMPARE(entries.first().title, QStringLiteral("Aries"));
        QCOMPARE(entries.first().kind, practice::PracticeKind::Session);
        QCOMPARE(entries.first().started, m_fixture->seams.clock.time);
        QVERIFY(!entries.first().completed);
        // Skipped through: nothing was held long enough to count.
        QCOMPARE(entries.first().summary, QStringLiteral("0 of 6 poses"));

        press(Qt::Key_Escape);
        QTRY_VERIFY(!child("frmSessionPlayer"));
        QCOMPARE(m_fixture->window->practice().store().entries().size(), 1);
    }

    // A session stopped part way is taken up from its pose, the same day only, by way of the
    // page before a session.
    void stoppedSessionResumesFromItsPose()
    {
        m_fixture->window->practise(QStringLiteral("Aries"),
                                    {QStringLiteral("Sarvangasana"), QStringLiteral("Makarasana")});
        SessionPlayerWindow* player = startFromCautions();
        QVERIFY(player);
        // Pavanamuktasana takes four steps, Tadasana two: the third pose is Makarasana.
        for (int i = 0; i < 6; ++i)
            press(Qt::Key_Right);
        QCOMPARE(text(player, "lblPoseName"), QStringLiteral("Makarasana"));
        // Stopped, then closed.
        press(Qt::Key_Escape);
        press(Qt::Key_Escape);
        QTRY_VERIFY(!child("frmSessionPlayer"));
        auto* menu = in<QMenu>(m_fixture->window->menuBar(), QStringLiteral("mnuPractice"));
        QAction* resume = menu->findChild<QAction*>(QStringLiteral("mnuResume"));
        emit menu->aboutToShow();
        QVERIFY(resume->isEnabled());
        QCOMPARE(resume->text(),
                 QStringLiteral("&Resume \u201c\u2068Aries\u2069\u201d at Makarasana"));

        m_fixture->seams.clock.time = m_fixture->seams.clock.time.addDays(1);
        emit menu->aboutToShow();
        QVERIFY(!resume->isEnabled());
        m_fixture->seams.clock.time = m_fixture->seams.clock.time.addDays(-1);
        emit menu->aboutToShow();
        resume->trigger();
        SessionPlayerWindow* resumed = startFromCautions();
        QVERIFY(resumed);
        QCOMPARE(resumed->player().session().steps.first().asana, QStringLiteral("Makarasana"));
        emit menu->aboutToShow();
        QVERIFY(!resume->isEnabled());
    }

    // Practice > Voice and Sound…: what it says the engine is, what Test sounds, what OK keeps.
    void voiceAndSoundSettings()
    {
        struct FakeOutput final : audio::AudioOutput {
            void playWave(const QString& key, const QByteArray&) override { log.append(key); }
            QString speechEngine() const override { return QStringLiteral("flite"); }
            QStringList voices() const override { return {QStringLiteral("slt")}; }
            void setVoice(const audio::VoiceChoice& choice) override { voice = choice.voice; }
            void say(const QString& text) override { log.append(text); }
            void stopSpeaking() override { log.append(QStringLiteral("stop")); }
            QString speechProblem() const override { return {}; }
            QStringList& log;
            QString voice;
            explicit FakeOutput(QStringList& into)
                : log(into)
            {
            }
        };
        QStringList heard;
        practice::VoiceSoundDialog dialog(m_fixture->seams.context(),
                                          std::make_unique<FakeOutput>(heard));
        QCOMPARE(text(&dialog, "lblSpeechEngine"), QStringLiteral("Speech engine: flite."));
        auto* voice = in<QComboBox>(&dialog, QStringLiteral("cboVoice"));
        voice->setCurrentIndex(voice->findText(QStringLiteral("slt")));
        dialog.test();
        QCOMPARE(heard, (QStringList{"stop", "Tadasana, Mountain Pose. Hold for five breaths.",
                                     "tone-rising"}));
        in<QCheckBox>(&dialog, QStringLiteral("chkVoice"))->setChecked(false);
        QVERIFY(!voice->isEnabled());
        in<QCheckBox>(&dialog, QStringLiteral("chkChime"))->setChecked(false);
        dialog.store();
        const auto& values = m_fixture->seams.settings.values;
        QCOMPARE(values.value(QStringLiteral("Practice/Voice")), QStringLiteral("off"));
        QCOMPARE(values.value(QStringLiteral("Practice/VoiceName")), QStringLiteral("slt"));
        QCOMPARE(values.value(QStringLiteral("Practice/Chime")), QStringLiteral("off"));

        // Without sound the dialog says so, once, and the sessions still play.
        practice::VoiceSoundDialog silent(m_fixture->seams.context(), nullptr);
        QVERIFY(text(&silent, "lblSpeechEngine")
                    .startsWith(QStringLiteral("Sound cannot be played on this computer.")));
    }

    // A screen reader hears each value, and the countdown once a step, not every second.
    void playerValuesAreRead()
    {
        m_fixture->window->practise(QStringLiteral("Read"), {});
        SessionPlayerWindow* player = startFromCautions();
        QVERIFY(player);
        qint64 now = 0;
        player->setTimeSource([&now] { return now; });
        const auto name = [player](const char* label) {
            return QAccessible::queryAccessibleInterface(
                       in<QLabel>(player, QString::fromLatin1(label)))
                ->text(QAccessible::Name);
        };
        QCOMPARE(name("lblHold"), QStringLiteral("Get ready, right side"));
        QCOMPARE(name("lblNext"), QStringLiteral("Next: Pavanamuktasana, left side"));
        const QString counting = name("lblCountdown");
        QCOMPARE(counting, QStringLiteral("Get ready for Pavanamuktasana, right side: 0:08"));
        now = 3'000;
        player->tick();
        QCOMPARE(text(player, "lblCountdown"), QStringLiteral("0:05"));
        QCOMPARE(name("lblCountdown"), counting);
        now = 8'000;
        player->tick();
        QCOMPARE(name("lblCountdown"),
                 QStringLiteral("Hold for Pavanamuktasana, right side: 0:10"));
        QCOMPARE(name("lblHold"), QStringLiteral("Hold: 10 seconds, right side"));
    }

    void playsToTheEndOnItsOwn()
    {
        // The warm-up and the rest: 10 s on each side, five rises of 10 s, 300 s, each after 8 s.
        m_fixture->window->practise(QStringLiteral("Short"), {});
        SessionPlayerWindow* player = startFromCautions();
        QVERIFY(player);
        qint64 now = 0;
        player->setTimeSource([&now] { return now; });
        now = 10'000;
        player->tick();
        QCOMPARE(text(player, "lblCountdown"), QStringLiteral("0:08"));
        now = 4 * 8'000 + 20'000 + 50'000;
        player->tick();
        QCOMPARE(text(player, "lblPoseName"), QStringLiteral("Shavasana"));
        QCOMPARE(text(player, "lblCountdown"), QStringLiteral("5:00"));
        now += 300'000;
        player->tick();
        QCOMPARE(text(player, "lblPoseName"), QStringLiteral("Session complete"));
        QCOMPARE(text(player, "lblHold"), QStringLiteral("6:10 practised"));
        const QList<practice::JournalEntry> entries =
            m_fixture->window->practice().store().entries();
        QCOMPARE(entries.size(), 1);
        QVERIFY(entries.first().completed);
        QCOMPARE(entries.first().seconds, 370);
    }

    // Leaving a playing session, by a program switch or the close box, asks first.
    void endingASessionAsksFirst()
    {
        m_fixture->window->practise(QStringLiteral("Asked"), {QStringLiteral("Bhujangasana")});
        SessionPlayerWindow* player = startFromCautions();
        QVERIFY(player);
        m_fixture->seams.desktop.answers.push_back(MessageAnswer::No);
        m_fixture->window->selectProgram(Program::LearnYoga);
        QCOMPARE(m_fixture->seams.desktop.messages.size(), 1);
        QVERIFY(m_fixture->seams.desktop.messages.constFirst().text.startsWith(
            QStringLiteral("End the session?")));
        QCOMPARE(child("frmSessionPlayer"), player);
        QVERIFY(!player->player().isOver());
        QVERIFY(m_fixture->window->practice().store().entries().isEmpty());
        m_fixture->seams.desktop.answers.push_back(MessageAnswer::No);
        QVERIFY(!player->parentWidget()->close());

        m_fixture->seams.desktop.answers.push_back(MessageAnswer::Yes);
        m_fixture->window->selectProgram(Program::LearnYoga);
        QTRY_VERIFY(!child("frmSessionPlayer"));
        QCOMPARE(m_fixture->window->practice().store().entries().size(), 1);
        QVERIFY(m_fixture->window->learn().articleViewer().isVisible());
    }

    // A builder closed with unsaved work asks to save it.
    void closingTheBuilderAsksToSave_data()
    {
        QTest::addColumn<MessageAnswer>("answer");
        QTest::addColumn<QString>("name");
        QTest::addColumn<bool>("closed");
        QTest::addColumn<QStringList>("saved");
        QTest::addRow("discarded") << MessageAnswer::No << "Lunch" << true << QStringList{};
        QTest::addRow("saved") << MessageAnswer::Yes << "Lunch" << true << QStringList{"Lunch"};
        QTest::addRow("no name to save under")
            << MessageAnswer::Yes << "" << false << QStringList{};
    }

    void closingTheBuilderAsksToSave()
    {
        QFETCH(MessageAnswer, answer);
        QFETCH(QString, name);
        QFETCH(bool, closed);
        QFETCH(QStringList, saved);
        in<QMenu>(m_fixture->window->menuBar(), QStringLiteral("mnuPractice"))
            ->actions()
            .value(0)
            ->trigger();
        QWidget* builder = child("frmSessionBuilder");
        QVERIFY(builder);
        // Untouched, it closes without a word.
        QVERIFY(builder->parentWidget()->close());
        QVERIFY(m_fixture->seams.desktop.messages.isEmpty());
        QTRY_VERIFY(!child("frmSessionBuilder"));

        in<QMenu>(m_fixture->window->menuBar(), QStringLiteral("mnuPractice"))
            ->actions()
            .value(0)
            ->trigger();
        builder = child("frmSessionBuilder");
        QTest::keyClicks(in<QLineEdit>(builder, QStringLiteral("txtSessionName")), name);
        in<QListWidget>(builder, QStringLiteral("lstLibrary"))->item(0)->setSelected(true);
        test::click(builder, QStringLiteral("cmdAdd"));
        m_fixture->seams.desktop.answers.push_back(answer);
        QCOMPARE(builder->parentWidget()->close(), closed);
        QVERIFY(m_fixture->seams.desktop.messages.constFirst().text.startsWith(
            QStringLiteral("Save the session")));
        QCOMPARE(m_fixture->window->practice().store().sessionNames(), saved);
        if (!closed) {
            m_fixture->seams.desktop.answers.push_back(MessageAnswer::No);
            QVERIFY(builder->parentWidget()->close());
        }
    }

    void closingThePlayerRecordsIt()
    {
        m_fixture->window->practise(QStringLiteral("Closed"), {QStringLiteral("Bhujangasana")});
        SessionPlayerWindow* player = startFromCautions();
        QVERIFY(player);
        m_fixture->seams.desktop.answers.push_back(MessageAnswer::Yes);
        QVERIFY(m_fixture->window->closeChildWindows());
        QTRY_VERIFY(!child("frmSessionPlayer"));
        const QList<practice::JournalEntry> entries =
            m_fixture->window->practice().store().entries();
        QCOMPARE(entries.size(), 1);
        QVERIFY(!entries.first().completed);
    }

    // Practice > Chime and the player's box are one setting, whichever is changed.
    void chimeSwitchInTheMenuAndThePlayerAgree()
    {
        auto* menu = in<QMenu>(m_fixture->window->menuBar(), QStringLiteral("mnuPractice"));
        QAction* chime = menu->findChild<QAction*>(QStringLiteral("mnuChime"));
        QVERIFY(chime);
        m_fixture->window->practise(QStringLiteral("Chimes"), {QStringLiteral("Bhujangasana")});
        SessionPlayerWindow* player = startFromCautions();
        QVERIFY(player);
        auto* box = in<QCheckBox>(player, QStringLiteral("chkChime"));
        QVERIFY(!box->isChecked());

        emit menu->aboutToShow();
        QVERIFY(!chime->isChecked());
        chime->trigger();
        QCOMPARE(m_fixture->seams.settings.values.value(QStringLiteral("Practice/Chime")),
                 QStringLiteral("on"));
        QVERIFY(box->isChecked());

        box->click();
        QCOMPARE(m_fixture->seams.settings.values.value(QStringLiteral("Practice/Chime")),
                 QStringLiteral("off"));
        emit menu->aboutToShow();
        QVERIFY(!chime->isChecked());
    }

    void cautionsMarkAndLeaveOut()
    {
        m_fixture->seams.settings.values.insert(QStringLiteral("Practice/Conditions"),
                                                QStringLiteral("glaucoma"));
        m_fixture->window->practise(QStringLiteral("Leo"), {QStringLiteral("Bhujangasana"),
                                                            QStringLiteral("Sarvangasana")});
        QWidget* cautions = child("frmSessionCautions");
        QVERIFY(cautions);
        // Pavanamuktasana, Tadasana, Bhujangasana, Makarasana, Sarvangasana, Matsyasana,
        // Shavasana; every one can be left out, and one a ticked condition rules out is.
        const auto leftOut = [cautions](int pose) {
            auto* box = in<QCheckBox>(cautions, QStringLiteral("chkLeaveOut_%1").arg(pose));
            return !box->isHidden() && box->isChecked();
        };
        QVERIFY(in<QCheckBox>(cautions, QStringLiteral("chkCondition_4"))->isChecked());
        QVERIFY(text(cautions, "lblCaution_2").isEmpty());
        QVERIFY(!in<QCheckBox>(cautions, QStringLiteral("chkLeaveOut_2"))->isHidden());
        QVERIFY(!leftOut(2));
        QVERIFY(text(cautions, "lblCaution_4")
                    .startsWith(QStringLiteral("\u26a0 Avoid with Glaucoma or retinal problems: "
                                               "Avoid it in pregnancy")));
        QVERIFY(leftOut(4));
        // The reason is what a screen reader hears.
        QCOMPARE(QAccessible::queryAccessibleInterface(in(cautions, QStringLiteral("lblCaution_4")))
                     ->text(QAccessible::Name),
                 QStringLiteral("Caution for Sarvangasana: ") + text(cautions, "lblCaution_4"));

        // Heart disease marks the cobra for care and rules out the fish; the user keeps the fish.
        in<QCheckBox>(cautions, QStringLiteral("chkCondition_3"))->setChecked(true);
        QVERIFY(
            text(cautions, "lblCaution_2")
                .startsWith(QStringLiteral("\u26a0 Take care with Heart disease: If you have")));
        QVERIFY(!leftOut(2));
        QVERIFY(text(cautions, "lblCaution_4")
                    .startsWith(QStringLiteral("\u26a0 Avoid with Heart disease, Glaucoma or "
                                               "retinal problems: Avoid it")));
        QVERIFY(leftOut(5));
        test::click(cautions, QStringLiteral("chkLeaveOut_5"));
        in<QCheckBox>(cautions, QStringLiteral("chkCondition_5"))->setChecked(true);
        QVERIFY(!leftOut(5));
        test::click(cautions, QStringLiteral("chkLeaveOut_1"));

        SessionPlayerWindow* player = startFromCautions();
        QVERIFY(player);
        QStringList played;
        for (const practice::SessionStep& step : player->player().session().steps)
            played.append(step.asana);
        QCOMPARE(played, (QStringList{"Pavanamuktasana", "Bhujangasana", "Makarasana", "Matsyasana",
                                      "Shavasana"}));
        QCOMPARE(m_fixture->seams.settings.values.value(QStringLiteral("Practice/Conditions")),
                 QStringLiteral("heart-disease,glaucoma,migraine"));
        // The pose on screen carries its marks.
        for (int i = 0; i < 4; ++i)
            press(Qt::Key_Right);
        QCOMPARE(text(player, "lblPoseName"), QStringLiteral("Bhujangasana"));
        QVERIFY(
            text(player, "lblCaution").startsWith(QStringLiteral("\u26a0 Take care with Heart")));
    }

    // Before every start, ticked or not: what the session is not for, and when to stop.
    void summaryBeforeEveryStart()
    {
        m_fixture->window->practise(QStringLiteral("Gemini"),
                                    {QStringLiteral("Padmasana"), QStringLiteral("Dhanurasana")});
        QWidget* cautions = child("frmSessionCautions");
        QVERIFY(cautions);
        for (int i = 0; i < 16; ++i)
            QVERIFY(
                !in<QCheckBox>(cautions, QStringLiteral("chkCondition_%1").arg(i))->isChecked());
        QVERIFY(text(cautions, "lblNotFor")
                    .startsWith(QStringLiteral("This session is not for: Pregnancy, High blood "
                                               "pressure, Heart disease, Migraine or headache, ")));
        QVERIFY(text(cautions, "lblRunningOrder").contains(QStringLiteral("Bhujangasana comes")));
        QCOMPARE(text(cautions, "lblStopAtOnce"),
                 QStringLiteral("Stop at once with chest pain, dizziness, numbness or sharp "
                                "joint pain."));
        m_fixture->shot(QStringLiteral("cautions-nothing-ticked"));
    }

    // Gemini with pregnancy ticked: the bow and the other poses pregnancy rules out are marked
    // with their sentences and left out.
    void zodiacReadingPractisedNow()
    {
        m_fixture = std::make_unique<test::MainWindowFixture>();
        m_fixture->seams.settings.values.insert(QStringLiteral("Practice/Chime"),
                                                QStringLiteral("off"));
        m_fixture->seams.settings.values.insert(QStringLiteral("Practice/Conditions"),
                                                QStringLiteral("pregnancy"));
        QWidget* display =
            test::openZodiacResult(*m_fixture->window, QStringLiteral("ANU"), {6, 6});
        QVERIFY(display);
        auto* tabs = in<QTabWidget>(display, QStringLiteral("SSTab1"));
        tabs->setCurrentWidget(in(display, QStringLiteral("fraSelectYoga")));
        m_fixture->shot(QStringLiteral("zodiac-asanas-running-order"));
        test::click(display, QStringLiteral("cmdPractise"));

        QWidget* cautions = child("frmSessionCautions");
        QVERIFY(cautions);
        QCOMPARE(text(cautions, "lblPose_3"), QStringLiteral("Dhanurasana"));
        QVERIFY(text(cautions, "lblCaution_3")
                    .startsWith(QStringLiteral("\u26a0 Avoid with Pregnancy: Do not practise the "
                                               "Bow Pose in pregnancy")));
        QVERIFY(in<QCheckBox>(cautions, QStringLiteral("chkLeaveOut_3"))->isChecked());
        m_fixture->shot(QStringLiteral("cautions-gemini-pregnancy"));
        SessionPlayerWindow* player = startFromCautions();
        QVERIFY(player);
        QStringList played;
        for (const practice::SessionStep& step : player->player().session().steps)
            played.append(step.asana);
        QCOMPARE(played, (QStringList{"Tadasana", "Padmasana", "Shavasana"}));
        QCOMPARE(player->player().session().name, QStringLiteral("Zodiac Yoga: Gemini"));
        m_fixture->shot(QStringLiteral("player-get-ready"));
    }

    void chakraAsanasPractisedNow()
    {
        const RecommendedAsanas list =
            recommendedAsanas(PerChakra<bool>{false, false, false, false, true});
        auto* asanas = new ChakraAsanaWindow(m_fixture->window->context(), list);
        m_fixture->window->area().open(asanas);
        test::click(asanas, QStringLiteral("cmdPractise"));
        SessionPlayerWindow* player = startFromCautions();
        QVERIFY(player);
        const QList<practice::SessionStep>& steps = player->player().session().steps;
        QVERIFY(steps.size() > 2);
        QCOMPARE(steps.first().asana, QStringLiteral("Pavanamuktasana"));
        QCOMPARE(steps.last().asana, QStringLiteral("Shavasana"));
        QCOMPARE(player->player().session().name, QStringLiteral("Chakra Yoga"));
    }

    void lookupListsCarryTheMarks()
    {
        m_fixture->seams.settings.values.insert(QStringLiteral("Practice/Conditions"),
                                                QStringLiteral("pregnancy"));
        m_fixture->window->selectProgram(Program::LearnYoga);
        test::click(m_fixture->window.get(), QStringLiteral("Command3"));
        auto* parts = in<QComboBox>(m_fixture->window.get(), QStringLiteral("cboAsanasByBodyPart"));
        const int hands = parts->findText(QStringLiteral("Hands / Fingers"));
        parts->setCurrentIndex(hands);
        emit parts->activated(hands);
        auto* results =
            in<QListWidget>(m_fixture->window.get(), QStringLiteral("lstAsanasByBodyPart"));
        QStringList shown;
        for (int i = 0; i < results->count(); ++i)
            shown.append(results->item(i)->text());
        QCOMPARE(shown, (QStringList{"Anjali Mudra",
                                     "Bhujangasana\n\u26a0 Avoid with Pregnancy: Avoid the pose "
                                     "during pregnancy and after recent abdominal or back surgery, "
                                     "and do not lift higher than the lower back allows without "
                                     "pain.",
                                     "Simhasana"}));
        results->setCurrentRow(1);
        QVERIFY(m_fixture->window->learn().articleViewer().richTextBox().toPlainText().startsWith(
            QStringLiteral("Bhujangasana\n")));
    }

    void builderSavesAndListsASession()
    {
        auto* menu = in<QMenu>(m_fixture->window->menuBar(), QStringLiteral("mnuPractice"));
        QVERIFY(menu);
        QCOMPARE(menu->actions().value(0)->objectName(), QStringLiteral("mnuNewSession"));
        QCOMPARE(menu->actions().value(1)->objectName(), QStringLiteral("mnuSessions"));
        menu->actions().value(0)->trigger();
        QWidget* builder = child("frmSessionBuilder");
        QVERIFY(builder);
        // Chosen over the welcome panel, it is shown, not left behind the panel.
        QVERIFY(builder->isVisible());

        auto* lookup = in<QComboBox>(builder, QStringLiteral("cboLookup"));
        auto* value = in<QComboBox>(builder, QStringLiteral("cboLookupValue"));
        auto* library = in<QListWidget>(builder, QStringLiteral("lstLibrary"));
        auto* steps = in<QListWidget>(builder, QStringLiteral("lstSteps"));
        QCOMPARE(library->count(), 32);
        lookup->setCurrentIndex(1);
        value->setCurrentIndex(value->findText(QStringLiteral("Knees")));
        QCOMPARE(library->count(), 6);
        library->item(1)->setSelected(true); // Padmasana
        test::click(builder, QStringLiteral("cmdAdd"));
        lookup->setCurrentIndex(3);
        QTest::keyClicks(in<QLineEdit>(builder, QStringLiteral("txtSearch")),
                         QStringLiteral("corpse"));
        const QList<QListWidgetItem*> found =
            library->findItems(QStringLiteral("Shavasana"), Qt::MatchExactly);
        QCOMPARE(found.size(), 1);
        found.first()->setSelected(true);
        test::click(builder, QStringLiteral("cmdAdd"));
        lookup->setCurrentIndex(0);
        library->findItems(QStringLiteral("Trikonasana"), Qt::MatchExactly)
            .first()
            ->setSelected(true);
        test::click(builder, QStringLiteral("cmdAdd"));
        QCOMPARE(steps->count(), 3);

        // Trikonasana, just added and chosen, goes first and holds for 8 breaths a side.
        test::click(builder, QStringLiteral("cmdMoveUp"));
        test::click(builder, QStringLiteral("cmdMoveUp"));
        test::click(builder, QStringLiteral("cmdMoveUp"));
        in<QComboBox>(builder, QStringLiteral("cboUnit"))->setCurrentIndex(0);
        in<QSpinBox>(builder, QStringLiteral("spnHold"))->setValue(8);
        // Added at its beginner hold: Shavasana ends a session with five minutes.
        steps->setCurrentRow(2);
        QCOMPARE(in<QSpinBox>(builder, QStringLiteral("spnHold"))->value(), 300);
        in<QSpinBox>(builder, QStringLiteral("spnHold"))->setValue(240);
        QCOMPARE(steps->item(0)->text(), QStringLiteral("Trikonasana \u2013 8 breaths, each side"));
        QCOMPARE(steps->item(2)->text(), QStringLiteral("Shavasana \u2013 240 seconds"));

        // A drop inside the list moves the row through its model; the steps follow the rows.
        QVERIFY(steps->model()->moveRow(QModelIndex(), 1, QModelIndex(), 3));
        QCOMPARE(steps->item(1)->text(), QStringLiteral("Shavasana \u2013 240 seconds"));
        steps->setCurrentRow(2);
        QCOMPARE(in<QSpinBox>(builder, QStringLiteral("spnHold"))->value(), 60);

        // Not saved without a name.
        test::click(builder, QStringLiteral("cmdSave"));
        QCOMPARE(m_fixture->seams.desktop.messages.size(), 1);
        QTest::keyClicks(in<QLineEdit>(builder, QStringLiteral("txtSessionName")),
                         QStringLiteral(" Evening "));
        test::click(builder, QStringLiteral("cmdSave"));
        QCOMPARE(m_fixture->seams.desktop.messages.size(), 1);
        const std::optional<practice::Session> saved =
            m_fixture->window->practice().store().session(QStringLiteral("evening"));
        QVERIFY(saved);
        const practice::Session expected{
            QStringLiteral("Evening"),
            {{QStringLiteral("Trikonasana"), 8, practice::HoldUnit::Breaths, true},
             {QStringLiteral("Shavasana"), 240, practice::HoldUnit::Seconds, false},
             {QStringLiteral("Padmasana"), 60, practice::HoldUnit::Seconds, false}}};
        QCOMPARE(*saved, expected);

        menu->actions().value(1)->trigger();
        QWidget* sessions = child("frmSessions");
        QVERIFY(sessions);
        QVERIFY(sessions->isVisible());
        auto* list = in<QListWidget>(sessions, QStringLiteral("lstSessions"));
        QCOMPARE(list->count(), 1);
        QCOMPARE(list->currentItem()->text(), QStringLiteral("Evening"));
        auto* newName = in<QLineEdit>(sessions, QStringLiteral("txtNewName"));
        QTest::keyClicks(newName, QStringLiteral("Late"));
        test::click(sessions, QStringLiteral("cmdDuplicate"));
        QCOMPARE(m_fixture->window->practice().store().sessionNames(),
                 (QStringList{"Evening", "Late"}));
        QCOMPARE(list->currentItem()->text(), QStringLiteral("Late"));
        QTest::keyClicks(newName, QStringLiteral("Night"));
        test::click(sessions, QStringLiteral("cmdRename"));
        QCOMPARE(m_fixture->window->practice().store().sessionNames(),
                 (QStringList{"Evening", "Night"}));
        // A taken name is refused with the store's reason.
        QTest::keyClicks(newName, QStringLiteral("evening"));
        test::click(sessions, QStringLiteral("cmdRename"));
        QCOMPARE(m_fixture->seams.desktop.messages.size(), 2);
        QCOMPARE(m_fixture->window->practice().store().sessionNames(),
                 (QStringList{"Evening", "Night"}));
        m_fixture->seams.desktop.answers.push_back(MessageAnswer::Yes);
        test::click(sessions, QStringLiteral("cmdDelete"));
        QCOMPARE(m_fixture->window->practice().store().sessionNames(), QStringList{"Evening"});

        test::click(sessions, QStringLiteral("cmdStart"));
        SessionPlayerWindow* player = startFromCautions();
        QVERIFY(player);
        QCOMPARE(player->player().session(), expected);
        QCOMPARE(text(player, "lblHold"), QStringLiteral("Get ready, right side"));
        press(Qt::Key_Right);
        QCOMPARE(text(player, "lblHold"), QStringLiteral("Hold: 8 breaths, right side"));
    }

    // The list follows sessions saved elsewhere, and offers only what it can do.
    void sessionsListFollowsTheStore()
    {
        auto* menu = in<QMenu>(m_fixture->window->menuBar(), QStringLiteral("mnuPractice"));
        menu->findChild<QAction*>(QStringLiteral("mnuSessions"))->trigger();
        QWidget* sessions = child("frmSessions");
        QVERIFY(sessions);
        auto* list = in<QListWidget>(sessions, QStringLiteral("lstSessions"));
        auto* none = in<QLabel>(sessions, QStringLiteral("lblNoSessions"));
        const auto enabled = [sessions](const char* name) {
            return in<QPushButton>(sessions, QString::fromLatin1(name))->isEnabled();
        };
        QCOMPARE(list->count(), 0);
        QVERIFY(none->isVisible());
        for (const char* name : {"cmdStart", "cmdOpen", "cmdDelete", "cmdRename", "cmdDuplicate"})
            QVERIFY2(!enabled(name), name);

        test::click(sessions, QStringLiteral("cmdNew"));
        QWidget* builder = child("frmSessionBuilder");
        QVERIFY(builder);
        QVERIFY(builder->isVisible());
        in<QListWidget>(builder, QStringLiteral("lstLibrary"))->item(0)->setSelected(true);
        test::click(builder, QStringLiteral("cmdAdd"));
        QTest::keyClicks(in<QLineEdit>(builder, QStringLiteral("txtSessionName")),
                         QStringLiteral("Dawn"));
        test::click(builder, QStringLiteral("cmdSave"));
        QCOMPARE(list->count(), 1);
        QCOMPARE(list->currentItem()->text(), QStringLiteral("Dawn"));
        QVERIFY(!none->isVisible());
        QVERIFY(enabled("cmdStart"));
        QVERIFY(enabled("cmdDelete"));
        QVERIFY(!enabled("cmdRename"));
        QTest::keyClicks(in<QLineEdit>(sessions, QStringLiteral("txtNewName")),
                         QStringLiteral("Dusk"));
        QVERIFY(enabled("cmdRename"));
        QVERIFY(enabled("cmdDuplicate"));

        // Chosen again, the open list comes to the front; there is never a second one.
        menu->findChild<QAction*>(QStringLiteral("mnuSessions"))->trigger();
        QCOMPARE(m_fixture->window->findChildren<QWidget*>(QStringLiteral("frmSessions")).size(),
                 1);
        QCOMPARE(m_fixture->window->findChild<QMdiArea*>()->activeSubWindow()->widget(), sessions);
    }

    void leavingEverythingOutStartsNothing()
    {
        m_fixture->seams.settings.values.insert(QStringLiteral("Practice/Conditions"),
                                                QStringLiteral("pregnancy"));
        m_fixture->window->practise(QStringLiteral("None"), {});
        QWidget* cautions = child("frmSessionCautions");
        QVERIFY(cautions);
        // Pregnancy has left out the wind-releasing pose already.
        QVERIFY(in<QCheckBox>(cautions, QStringLiteral("chkLeaveOut_0"))->isChecked());
        in<QCheckBox>(cautions, QStringLiteral("chkLeaveOut_1"))->setChecked(true);
        in<QCheckBox>(cautions, QStringLiteral("chkLeaveOut_2"))->setChecked(true);
        test::click(cautions, QStringLiteral("cmdStartSession"));
        QCOMPARE(m_fixture->seams.desktop.messages.size(), 1);
        QVERIFY(child("frmSessionCautions"));
        QVERIFY(!child("frmSessionPlayer"));
    }
};

TARVO_TEST_MAIN(tst_SessionWindows)
#include "tst_sessionwindows.moc"
