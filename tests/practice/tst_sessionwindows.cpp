#include "chakra/ChakraAsanaWindow.h"
#include "learn/ArticleViewer.h"
#include "practice/PracticeStore.h"
#include "practice/SessionPlayerWindow.h"
#include "report/RichTextBox.h"
#include "support/TestMain.h"
#include "support/WindowFixture.h"

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
        QCOMPARE(text(player, "lblPoseName"), QStringLiteral("Tadasana"));
        QCOMPARE(text(player, "lblStepCount"), QStringLiteral("Pose 1 of 5"));
        QCOMPARE(text(player, "lblNext"), QStringLiteral("Next: Makarasana"));
        QCOMPARE(text(player, "lblCountdown"), QStringLiteral("0:36"));
        QVERIFY(!in<QLabel>(player, QStringLiteral("picPose"))->pixmap().isNull());

        press(Qt::Key_Space);
        QCOMPARE(player->player().state(), SessionPlayer::State::Paused);
        QCOMPARE(in<QPushButton>(player, QStringLiteral("cmdPause"))->text(),
                 QStringLiteral("Res&ume"));
        press(Qt::Key_Space);
        QCOMPARE(player->player().state(), SessionPlayer::State::Playing);

        press(Qt::Key_Right);
        QCOMPARE(text(player, "lblPoseName"), QStringLiteral("Makarasana"));
        press(Qt::Key_Right);
        press(Qt::Key_Left);
        QCOMPARE(text(player, "lblPoseName"), QStringLiteral("Makarasana"));
        QVERIFY(m_fixture->window->practiceStore().entries().isEmpty());

        press(Qt::Key_Escape);
        QCOMPARE(player->player().state(), SessionPlayer::State::Stopped);
        QCOMPARE(text(player, "lblPoseName"), QStringLiteral("Session stopped"));
        const QList<practice::JournalEntry> entries = m_fixture->window->practiceStore().entries();
        QCOMPARE(entries.size(), 1);
        QCOMPARE(entries.first().title, QStringLiteral("Aries"));
        QCOMPARE(entries.first().kind, practice::PracticeKind::Session);
        QCOMPARE(entries.first().started, m_fixture->seams.clock.time);
        QVERIFY(!entries.first().completed);
        QCOMPARE(entries.first().summary,
                 QStringLiteral("3 of 5 poses: Tadasana, Makarasana, Sarvangasana"));

        press(Qt::Key_Escape);
        QTRY_VERIFY(!child("frmSessionPlayer"));
        QCOMPARE(m_fixture->window->practiceStore().entries().size(), 1);
    }

    void playsToTheEndOnItsOwn()
    {
        m_fixture->window->practise(QStringLiteral("Short"), {});
        SessionPlayerWindow* player = startFromCautions();
        QVERIFY(player);
        qint64 now = 0;
        player->setTimeSource([&now] { return now; });
        now = 10'000;
        player->tick();
        QCOMPARE(text(player, "lblCountdown"), QStringLiteral("0:26"));
        now = 36'000;
        player->tick();
        QCOMPARE(text(player, "lblPoseName"), QStringLiteral("Shavasana"));
        QCOMPARE(text(player, "lblCountdown"), QStringLiteral("3:00"));
        now = 36'000 + 180'000;
        player->tick();
        QCOMPARE(text(player, "lblPoseName"), QStringLiteral("Session complete"));
        QCOMPARE(text(player, "lblHold"), QStringLiteral("3:36 practised"));
        const QList<practice::JournalEntry> entries = m_fixture->window->practiceStore().entries();
        QCOMPARE(entries.size(), 1);
        QVERIFY(entries.first().completed);
        QCOMPARE(entries.first().seconds, 216);
    }

    void closingThePlayerRecordsIt()
    {
        m_fixture->window->practise(QStringLiteral("Closed"), {QStringLiteral("Bhujangasana")});
        SessionPlayerWindow* player = startFromCautions();
        QVERIFY(player);
        m_fixture->window->closeChildWindows();
        QTRY_VERIFY(!child("frmSessionPlayer"));
        const QList<practice::JournalEntry> entries = m_fixture->window->practiceStore().entries();
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
        // Tadasana, Bhujangasana, Sarvangasana, Matsyasana, Shavasana.
        QVERIFY(in<QCheckBox>(cautions, QStringLiteral("chkCondition_2"))->isChecked());
        QVERIFY(text(cautions, "lblCaution_1").isEmpty());
        QVERIFY(in<QCheckBox>(cautions, QStringLiteral("chkLeaveOut_1"))->isHidden());
        QVERIFY(
            text(cautions, "lblCaution_2").startsWith(QStringLiteral("\u26a0 Glaucoma: Avoid it")));
        QVERIFY(!in<QCheckBox>(cautions, QStringLiteral("chkLeaveOut_2"))->isHidden());

        // Heart disease marks the cobra and the fish too.
        in<QCheckBox>(cautions, QStringLiteral("chkCondition_7"))->setChecked(true);
        QVERIFY(text(cautions, "lblCaution_1")
                    .startsWith(QStringLiteral("\u26a0 Heart disease: If you have an abdominal")));
        QVERIFY(text(cautions, "lblCaution_2")
                    .startsWith(QStringLiteral("\u26a0 Glaucoma, Heart disease: Avoid it")));
        in<QCheckBox>(cautions, QStringLiteral("chkLeaveOut_2"))->setChecked(true);
        in<QCheckBox>(cautions, QStringLiteral("chkLeaveOut_3"))->setChecked(true);

        SessionPlayerWindow* player = startFromCautions();
        QVERIFY(player);
        QStringList played;
        for (const practice::SessionStep& step : player->player().session().steps)
            played.append(step.asana);
        QCOMPARE(played, (QStringList{"Tadasana", "Bhujangasana", "Shavasana"}));
        QCOMPARE(m_fixture->seams.settings.values.value(QStringLiteral("Practice/Conditions")),
                 QStringLiteral("glaucoma,heart-disease"));
        // The pose on screen carries its marks.
        press(Qt::Key_Right);
        QVERIFY(text(player, "lblCaution").startsWith(QStringLiteral("\u26a0 Heart disease")));
    }

    void zodiacReadingPractisedNow()
    {
        m_fixture = std::make_unique<test::MainWindowFixture>();
        m_fixture->seams.settings.values.insert(QStringLiteral("Practice/Chime"),
                                                QStringLiteral("off"));
        m_fixture->window->selectProgram(Program::ZodiacYoga);
        QWidget* input = child("frmZodiacYogaMain");
        QVERIFY(input);
        QTest::keyClicks(in<QLineEdit>(input, QStringLiteral("txtName")), QStringLiteral("Anu"));
        in<QComboBox>(input, QStringLiteral("cboDate"))->setCurrentIndex(6);
        in<QComboBox>(input, QStringLiteral("cboMonth"))->setCurrentIndex(6);
        test::click(input, QStringLiteral("cmdNext"));
        QWidget* display = child("frmZodiacYogaDisplay");
        QVERIFY(display);
        auto* tabs = in<QTabWidget>(display, QStringLiteral("SSTab1"));
        tabs->setCurrentWidget(in(display, QStringLiteral("fraSelectYoga")));
        test::click(display, QStringLiteral("cmdPractise"));

        SessionPlayerWindow* player = startFromCautions();
        QVERIFY(player);
        QStringList played;
        for (const practice::SessionStep& step : player->player().session().steps)
            played.append(step.asana);
        // Cancer's asanas, the warm-up before them and the rest after.
        QCOMPARE(played, (QStringList{"Tadasana", "Bhujangasana", "Paschimottanasana",
                                      "Dhanurasana", "Padmasana", "Shavasana"}));
        QCOMPARE(player->player().session().name, QStringLiteral("Zodiac Yoga: Cancer"));
        QCOMPARE(text(player, "lblPoseName"), QStringLiteral("Tadasana"));
    }

    void chakraAsanasPractisedNow()
    {
        const RecommendedAsanas list =
            recommendedAsanas(PerChakra<bool>{false, false, false, false, true});
        auto* asanas =
            new ChakraAsanaWindow(m_fixture->seams.context(m_fixture->window.get()), list);
        m_fixture->window->showChild(asanas);
        test::click(asanas, QStringLiteral("cmdPractise"));
        SessionPlayerWindow* player = startFromCautions();
        QVERIFY(player);
        const QList<practice::SessionStep>& steps = player->player().session().steps;
        QVERIFY(steps.size() > 2);
        QCOMPARE(steps.first().asana, QStringLiteral("Tadasana"));
        QCOMPARE(steps.last().asana, QStringLiteral("Shavasana"));
        QCOMPARE(player->player().session().name, QStringLiteral("Chakra Yoga"));
    }

    void lookupListsCarryTheMarks()
    {
        m_fixture->seams.settings.values.insert(QStringLiteral("Practice/Conditions"),
                                                QStringLiteral("knee"));
        m_fixture->window->selectProgram(Program::LearnYoga);
        test::click(m_fixture->window.get(), QStringLiteral("Command3"));
        auto* parts = in<QComboBox>(m_fixture->window.get(), QStringLiteral("cboAsanasByBodyPart"));
        const int knees = parts->findText(QStringLiteral("Knees"));
        parts->setCurrentIndex(knees);
        emit parts->activated(knees);
        auto* results =
            in<QListWidget>(m_fixture->window.get(), QStringLiteral("lstAsanasByBodyPart"));
        QStringList shown;
        for (int i = 0; i < results->count(); ++i)
            shown.append(results->item(i)->text());
        QCOMPARE(shown,
                 (QStringList{
                     "Ardhamatsyendrasana",
                     "Padmasana\n\u26a0 Knee injury: With frequent muscle cramps or chronic knee "
                     "pain, consult a yoga expert first.",
                     "Simhasana\n\u26a0 Knee injury: Those with knee or ankle injuries "
                     "should sit on a chair or a cushion instead of kneeling.",
                     "Tadasana", "Uttanasana", "Vrikshasana"}));
        results->setCurrentRow(1);
        QVERIFY(m_fixture->window->articleViewer().richTextBox().toPlainText().startsWith(
            QStringLiteral("Padmasana\n")));
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
        in<QSpinBox>(builder, QStringLiteral("spnHold"))->setValue(8);
        steps->setCurrentRow(2);
        QCOMPARE(in<QSpinBox>(builder, QStringLiteral("spnHold"))->value(), 180);
        in<QComboBox>(builder, QStringLiteral("cboUnit"))->setCurrentIndex(1);
        in<QSpinBox>(builder, QStringLiteral("spnHold"))->setValue(240);
        QCOMPARE(steps->item(0)->text(), QStringLiteral("Trikonasana \u2013 8 breaths, each side"));
        QCOMPARE(steps->item(2)->text(), QStringLiteral("Shavasana \u2013 240 seconds"));

        // A drop inside the list moves the row through its model; the steps follow the rows.
        QVERIFY(steps->model()->moveRow(QModelIndex(), 1, QModelIndex(), 3));
        QCOMPARE(steps->item(1)->text(), QStringLiteral("Shavasana \u2013 240 seconds"));
        steps->setCurrentRow(2);
        QCOMPARE(in<QSpinBox>(builder, QStringLiteral("spnHold"))->value(), 10);

        // Not saved without a name.
        test::click(builder, QStringLiteral("cmdSave"));
        QCOMPARE(m_fixture->seams.desktop.messages.size(), 1);
        QTest::keyClicks(in<QLineEdit>(builder, QStringLiteral("txtSessionName")),
                         QStringLiteral(" Evening "));
        test::click(builder, QStringLiteral("cmdSave"));
        QCOMPARE(m_fixture->seams.desktop.messages.size(), 1);
        const std::optional<practice::Session> saved =
            m_fixture->window->practiceStore().session(QStringLiteral("evening"));
        QVERIFY(saved);
        const practice::Session expected{
            QStringLiteral("Evening"),
            {{QStringLiteral("Trikonasana"), 8, practice::HoldUnit::Breaths, true},
             {QStringLiteral("Shavasana"), 240, practice::HoldUnit::Seconds, false},
             {QStringLiteral("Padmasana"), 10, practice::HoldUnit::Breaths, false}}};
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
        QCOMPARE(m_fixture->window->practiceStore().sessionNames(),
                 (QStringList{"Evening", "Late"}));
        QCOMPARE(list->currentItem()->text(), QStringLiteral("Late"));
        QTest::keyClicks(newName, QStringLiteral("Night"));
        test::click(sessions, QStringLiteral("cmdRename"));
        QCOMPARE(m_fixture->window->practiceStore().sessionNames(),
                 (QStringList{"Evening", "Night"}));
        // A taken name is refused with the store's reason.
        QTest::keyClicks(newName, QStringLiteral("evening"));
        test::click(sessions, QStringLiteral("cmdRename"));
        QCOMPARE(m_fixture->seams.desktop.messages.size(), 2);
        QCOMPARE(m_fixture->window->practiceStore().sessionNames(),
                 (QStringList{"Evening", "Night"}));
        m_fixture->seams.desktop.answers.push_back(MessageAnswer::Yes);
        test::click(sessions, QStringLiteral("cmdDelete"));
        QCOMPARE(m_fixture->window->practiceStore().sessionNames(), QStringList{"Evening"});

        test::click(sessions, QStringLiteral("cmdStart"));
        SessionPlayerWindow* player = startFromCautions();
        QVERIFY(player);
        QCOMPARE(player->player().session(), expected);
        QCOMPARE(text(player, "lblHold"), QStringLiteral("8 breaths, left side"));
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
        in<QCheckBox>(cautions, QStringLiteral("chkLeaveOut_0"))->setChecked(true);
        in<QCheckBox>(cautions, QStringLiteral("chkLeaveOut_1"))->setChecked(true);
        test::click(cautions, QStringLiteral("cmdStartSession"));
        QCOMPARE(m_fixture->seams.desktop.messages.size(), 1);
        QVERIFY(child("frmSessionCautions"));
        QVERIFY(!child("frmSessionPlayer"));
    }
};

TARVO_TEST_MAIN(tst_SessionWindows)
#include "tst_sessionwindows.moc"
