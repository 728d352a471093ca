#include "app/ProgramWindows.h"
#include "app/MainWindow.h"
#include "platform/ContentFile.h"
#include "support/TestContext.h"
#include "support/TestMain.h"

using namespace tarvo;

// Prose, asanas and pictures a user has not asked for yet stay unread until they are opened,
// so start-up pays only for the welcome screen.
class tst_StartupContent : public QObject {
    Q_OBJECT

private slots:
    void init() { test::failOnUnexpectedWarnings(); }

    void startReadsOnlyWhatTheWelcomeScreenShows()
    {
        test::TestContext seams;
        MainWindow window(seams.context(), programWindows());
        window.resize(1280, 800);
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        QCoreApplication::processEvents();
        // The welcome texts, and the two poses the program pictures are drawn from.
        QStringList read = contentFilesRead();
        read.sort();
        QCOMPARE(read, QStringList({QStringLiteral(":/content/app/texts.json"),
                                    QStringLiteral(":/content/poses/Padmasana.json"),
                                    QStringLiteral(":/content/poses/Siddhasana.json")}));

        // The record is live: opening a program reads that program's content.
        window.selectProgram(Program::ZodiacYoga);
        QVERIFY(contentFilesRead().size() > 1);
        QVERIFY(contentFilesRead().contains(QStringLiteral(":/content/zodiac/texts.json")));
    }
};

TARVO_TEST_MAIN(tst_StartupContent)
#include "tst_startupcontent.moc"
