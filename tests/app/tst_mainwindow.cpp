#include "app/MainWindow.h"
#include "learn/ArticleViewer.h"
#include "learn/LearnFlow.h"
#include "platform/LinkLabel.h"
#include "report/RichTextBox.h"
#include "shell/WorkArea.h"
#include "support/TestMain.h"
#include "support/WindowFixture.h"

#include <QAction>
#include <QComboBox>
#include <QDialog>
#include <QLabel>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QPushButton>
#include <QTimer>

using namespace tarvo;

namespace {

// Stands in for a program's first window; like theirs, it brings the welcome panel back on close.
class FakeProgramWindow final : public QWidget {
public:
    FakeProgramWindow(const AppContext& context, const QString& name)
        : m_area(context.area)
    {
        setObjectName(name);
        setFixedSize(400, 300);
    }

protected:
    void closeEvent(QCloseEvent* event) override
    {
        m_area->setWelcomeVisible(true);
        QWidget::closeEvent(event);
    }

private:
    WorkArea* m_area;
};

ProgramWindows fakePrograms()
{
    return {[](const AppContext& c) {
                return new FakeProgramWindow(c, QStringLiteral("frmZodiacYogaMain"));
            },
            [](const AppContext& c) {
                return new FakeProgramWindow(c, QStringLiteral("frmChakraYogaMain"));
            }};
}

} // namespace

class tst_MainWindow : public QObject {
    Q_OBJECT

private:
    template <typename T = QWidget> T* find(const QString& name) const
    {
        T* widget = m_fixture->window->findChild<T*>(name);
        if (!widget)
            qWarning("no widget %s", qPrintable(name));
        return widget;
    }
    QString viewerText() const
    {
        return m_fixture->window->learn().articleViewer().richTextBox().toPlainText();
    }
    bool viewerOpen() const
    {
        return m_fixture->child(QStringLiteral("frmLearnYogaDisp")) != nullptr;
    }

    std::unique_ptr<test::MainWindowFixture> m_fixture;

private slots:
    void init()
    {
        test::failOnUnexpectedWarnings();
        m_fixture = std::make_unique<test::MainWindowFixture>(fakePrograms());
    }

    void cleanup()
    {
        m_fixture.reset();
        QTRY_VERIFY(QApplication::topLevelWidgets().isEmpty());
    }

    void opensOnTheWelcomeScreen()
    {
        QCOMPARE(m_fixture->window->windowTitle(), QStringLiteral("Tarvo Yoga v1.15"));
        for (const char* shown : {"picTopMain", "picTop", "picMain", "PicCoBrand", "cmdMdiExit"})
            QVERIFY2(find(QString::fromLatin1(shown))->isVisible(), shown);
        // The Learn Yoga panels are built only when Learn Yoga is first chosen.
        for (const char* unbuilt :
             {"picTop1", "picLeft", "Picture1", "Picture2", "Picture3", "Picture4", "Picture5",
              "Picture6", "Picture7", "cboAsanasByName"})
            QVERIFY2(!m_fixture->window->findChild<QWidget*>(QString::fromLatin1(unbuilt)),
                     unbuilt);
        QCOMPARE(find<QPushButton>(QStringLiteral("cmdSelectOption_1"))->text(),
                 QStringLiteral("Zodiac Yoga"));
        QCOMPARE(find<QLabel>(QStringLiteral("lblCaption_6"))->text(),
                 QStringLiteral("Welcome to Tarvo Yoga"));
    }

    void lookupListsAreFilledInOrder_data()
    {
        QTest::addColumn<QString>("list");
        QTest::addColumn<int>("count");
        QTest::addColumn<QString>("first");
        QTest::addColumn<QString>("last");
        QTest::addRow("by name") << "cboAsanasByName" << 32 << "Anjali Mudra"
                                 << "Yoga Mudra";
        QTest::addRow("by body part") << "cboAsanasByBodyPart" << 36 << "Abdomen"
                                      << "Wrists";
        QTest::addRow("by application") << "cboAsanasByTherapeuticApplications" << 31 << "Anxiety"
                                        << "Varicose Veins";
    }
    void lookupListsAreFilledInOrder()
    {
        QFETCH(QString, list);
        QFETCH(int, count);
        QFETCH(QString, first);
        QFETCH(QString, last);
        m_fixture->window->selectProgram(Program::LearnYoga);
        auto* box = find<QComboBox>(list);
        QCOMPARE(box->count(), count);
        QCOMPARE(box->itemText(0), first);
        QCOMPARE(box->itemText(count - 1), last);
        QVERIFY(!box->isEditable());
    }

    void learnYogaOpensTheIntroduction()
    {
        QTest::mouseClick(find(QStringLiteral("cmdSelectOption_0")), Qt::LeftButton);
        QVERIFY(find(QStringLiteral("picLeft"))->isVisible());
        QVERIFY(!m_fixture->window->welcomePanelVisible());
        QVERIFY(viewerOpen());
        QVERIFY(viewerText().startsWith(QStringLiteral("Introduction\n\n")));
        QCOMPARE(m_fixture->window->learn().articleViewer().windowTitle(),
                 QStringLiteral("Tarvo Learn Yoga"));
    }

    // The viewer closed by the second press is deleted later; the Introduction must not go to it.
    void learnYogaAgainShowsTheIntroductionAgain()
    {
        for (int press = 1; press <= 3; ++press) {
            QTest::mouseClick(find(QStringLiteral("cmdSelectOption_0")), Qt::LeftButton);
            QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
            QVERIFY2(viewerOpen(), qPrintable(QString::number(press)));
            QVERIFY(m_fixture->child(QStringLiteral("frmLearnYogaDisp"))->isVisible());
            QVERIFY(viewerText().startsWith(QStringLiteral("Introduction\n\n")));
        }
    }

    void programWindowIsCentredAfterLearnYoga_data()
    {
        QTest::addColumn<int>("program");
        QTest::addRow("zodiac") << 1;
        QTest::addRow("chakra") << 2;
    }
    void programWindowIsCentredAfterLearnYoga()
    {
        QFETCH(int, program);
        m_fixture->window->selectProgram(Program::LearnYoga);
        QCoreApplication::processEvents();
        m_fixture->window->selectProgram(static_cast<Program>(program));
        QWidget* form = m_fixture->child(program == 1 ? QStringLiteral("frmZodiacYogaMain")
                                                      : QStringLiteral("frmChakraYogaMain"));
        QVERIFY(form);
        QCoreApplication::processEvents();
        const int viewport = find<QMdiArea>(QStringLiteral("mdiArea"))->viewport()->width();
        QVERIFY(qAbs(viewport - (2 * form->parentWidget()->x() + form->parentWidget()->width()))
                <= 1);
        // Only the chrome is styled: a sheet over the work area restyled every window it took in.
        QVERIFY(find(QStringLiteral("picLeft"))->testAttribute(Qt::WA_StyleSheet));
        QVERIFY(!form->testAttribute(Qt::WA_StyleSheet));
    }

    void sectionHeaderTwiceCollapsesAndShowsTheArticleOnce()
    {
        m_fixture->window->selectProgram(Program::LearnYoga);
        auto* header = find<QPushButton>(QStringLiteral("Command1"));
        QTest::mouseClick(header, Qt::LeftButton);
        QVERIFY(find(QStringLiteral("Picture1"))->isVisible());
        QVERIFY(viewerText().startsWith(QStringLiteral("What Is Yoga ?\n\n")));
        QCOMPARE(find(QStringLiteral("Command2"))->y(), header->y() + header->height() + 2300 / 15);
        QTest::mouseClick(header, Qt::LeftButton);
        QVERIFY(!find(QStringLiteral("Picture1"))->isVisible());
        QCOMPARE(viewerText().count(QStringLiteral("What Is Yoga ?")), 1);
        QCOMPARE(find(QStringLiteral("Command2"))->y(), header->height());
    }

    void articleButtonShowsItsArticle()
    {
        m_fixture->window->selectProgram(Program::LearnYoga);
        QTest::mouseClick(find(QStringLiteral("Command6")), Qt::LeftButton);
        auto* button = find<QPushButton>(QStringLiteral("Command62"));
        QCOMPARE(button->text(), QStringLiteral("Importance && Benefits Of Pranayam"));
        QTest::mouseClick(button, Qt::LeftButton);
        QVERIFY(viewerText().startsWith(QStringLiteral("Importance && Benefits Of Pranayam\n\n")));
    }

    void lookupHeaderShowsTheStrip()
    {
        m_fixture->window->selectProgram(Program::LearnYoga);
        QTest::mouseClick(find(QStringLiteral("Command3")), Qt::LeftButton);
        QVERIFY(find(QStringLiteral("picTop1"))->isVisible());
        QVERIFY(find(QStringLiteral("Picture3"))->isVisible());
        QVERIFY(!find(QStringLiteral("Picture2"))->isVisible());
        QTest::mouseClick(find(QStringLiteral("Command5")), Qt::LeftButton);
        QVERIFY(!find(QStringLiteral("picTop1"))->isVisible());
        QVERIFY(viewerText().startsWith(QStringLiteral("What Is Meditation ?")));
    }

    void otherCaptionsCloseEverythingAndOpenNothing_data()
    {
        QTest::addColumn<QString>("caption");
        for (int i : {0, 3, 5, 6, 7})
            QTest::addRow("lblCaption_%d", i) << QStringLiteral("lblCaption_%1").arg(i);
    }
    void otherCaptionsCloseEverythingAndOpenNothing()
    {
        QFETCH(QString, caption);
        m_fixture->window->selectProgram(Program::LearnYoga);
        // Shows the lookup prompts.
        m_fixture->window->learn().toggleSection(Section::AsanasByBodyPart);
        m_fixture->window->setWelcomePanelVisible(true);
        QTest::mouseClick(find(caption), Qt::LeftButton);
        QVERIFY(!viewerOpen());
        QVERIFY(!m_fixture->window->welcomePanelVisible());
        QVERIFY(!m_fixture->child(QStringLiteral("frmZodiacYogaMain")));
    }

    void programLinksSwitchProgram()
    {
        QTest::mouseClick(find(QStringLiteral("lblCaption_10")), Qt::LeftButton);
        QWidget* chakra = m_fixture->child(QStringLiteral("frmChakraYogaMain"));
        QVERIFY(chakra);
        QVERIFY(!m_fixture->window->welcomePanelVisible());
        QCOMPARE(chakra->parentWidget()->y(), 0);
        auto* mdi = find<QMdiArea>(QStringLiteral("mdiArea"));
        const int left = chakra->parentWidget()->x();
        QVERIFY(qAbs(mdi->viewport()->width() - (2 * left + chakra->parentWidget()->width())) <= 1);
    }

    void switchingProgramClosesEveryChildWithoutAsking()
    {
        m_fixture->window->selectProgram(Program::ZodiacYoga);
        QVERIFY(m_fixture->child(QStringLiteral("frmZodiacYogaMain")));
        m_fixture->window->selectProgram(Program::LearnYoga);
        QTRY_VERIFY(!m_fixture->child(QStringLiteral("frmZodiacYogaMain")));
        QVERIFY(m_fixture->seams.desktop.messages.isEmpty());
        // The closing window asked for the welcome panel; the switch hides it again.
        QVERIFY(!m_fixture->window->welcomePanelVisible());
        QVERIFY(viewerOpen());
        m_fixture->window->selectProgram(Program::ChakraYoga);
        QTRY_VERIFY(!viewerOpen());
        QVERIFY(!find(QStringLiteral("picLeft"))->isVisible());
    }

    void learnYogaPanelsAreBuiltOnce()
    {
        m_fixture->window->selectProgram(Program::LearnYoga);
        m_fixture->window->selectProgram(Program::ZodiacYoga);
        m_fixture->window->selectProgram(Program::LearnYoga);
        m_fixture->window->learn().toggleSection(Section::AsanasByName);
        QCOMPARE(m_fixture->window->findChildren<QWidget*>(QStringLiteral("picLeft")).size(), 1);
        QCOMPARE(m_fixture->window->findChildren<QWidget*>(QStringLiteral("picTop1")).size(), 1);
        QCOMPARE(
            m_fixture->window->findChildren<QWidget*>(QStringLiteral("cboAsanasByName")).size(), 1);
        QVERIFY(find(QStringLiteral("picTop1"))->isVisible());
    }

    void hoverUnderlinesProgramLinksAndThePanelClearsThem()
    {
        auto* link = find<LinkLabel>(QStringLiteral("lblCaption_9"));
        QTest::mouseMove(link, link->rect().center());
        QTRY_VERIFY(link->font().underline());
        QWidget* panel = find(QStringLiteral("picMain"));
        QTest::mouseMove(panel, QPoint(5, 5));
        QTRY_VERIFY(!link->font().underline());
    }

    void helpMenuOpensMakerPages_data()
    {
        QTest::addColumn<QString>("action");
        QTest::addColumn<QString>("page");
        QTest::addRow("online help") << "mnuOnline"
                                     << "help-web-page";
        QTest::addRow("visit") << "mnuVisit"
                               << "home-page";
        QTest::addRow("update") << "mnuUpdate"
                                << "download-web-page";
    }
    void helpMenuOpensMakerPages()
    {
        QFETCH(QString, action);
        QFETCH(QString, page);
        find<QAction>(action)->trigger();
        QCOMPARE(m_fixture->seams.desktop.openedUrls.size(), 1);
        QCOMPARE(m_fixture->seams.desktop.openedUrls[0].query(), QStringLiteral("page=") + page);
    }

    void aboutBoxIsModalAndClosesWithOk()
    {
        bool sawAbout = false;
        QTimer::singleShot(0, this, [&] {
            auto* about = qobject_cast<QDialog*>(QApplication::activeModalWidget());
            QVERIFY(about);
            QCOMPARE(about->objectName(), QStringLiteral("frmAbout"));
            QCOMPARE(about->findChild<QLabel*>(QStringLiteral("Label2"))->text(),
                     QStringLiteral("Tarvo Yoga v1.15"));
            sawAbout = true;
            QTest::mouseClick(about->findChild<QPushButton*>(QStringLiteral("cmdOK")),
                              Qt::LeftButton);
        });
        find<QAction>(QStringLiteral("mnuAbout"))->trigger();
        QVERIFY(sawAbout);
    }

    void closingTheMainWindowUnloadsItsChildren()
    {
        m_fixture->window->selectProgram(Program::ZodiacYoga);
        QPointer<QWidget> zodiac = m_fixture->child(QStringLiteral("frmZodiacYogaMain"));
        QTest::mouseClick(find(QStringLiteral("cmdMdiExit")), Qt::LeftButton);
        QVERIFY(!m_fixture->window->isVisible());
        QTRY_VERIFY(zodiac.isNull());
    }
};

TARVO_TEST_MAIN(tst_MainWindow)
#include "tst_mainwindow.moc"
