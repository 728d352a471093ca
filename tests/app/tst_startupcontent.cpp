#include "app/MainWindow.h"
#include "app/ProgramWindows.h"
#include "asanas/AsanaCatalogue.h"
#include "chakra/ChakraAsanas.h"
#include "chakra/ChakraModel.h"
#include "chakra/ChakraQuestions.h"
#include "learn/ArticleCatalogue.h"
#include "pictures/Pictures.h"
#include "platform/ContentFile.h"
#include "support/TestContext.h"
#include "support/TestMain.h"
#include "zodiac/SunSign.h"
#include "zodiac/ZodiacAsanas.h"
#include "zodiac/ZodiacTexts.h"

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

    // Every reader asks for its file as often as it likes; each file is parsed only once.
    void everyFileIsParsedOnce()
    {
        for (int round = 0; round < 2; ++round) {
            for (int sign = 0; sign < 12; ++sign)
                QVERIFY(!sunSignProfile(static_cast<SunSign>(sign)).positiveTraits.isEmpty());
            for (const char* element : {"Fire", "Air", "Water", "Earth"})
                QVERIFY(!constitutionTypeProfile(QLatin1String(element))->description.isEmpty());
            QVERIFY(!zodiacIntroduction().isEmpty());
            QVERIFY(!zodiacAsana(1).procedure.isEmpty());
            QVERIFY(!chakraInfo(ChakraId::Crown).description.isEmpty());
            QVERIFY(!chakraYogaAsanas().constFirst().procedure.isEmpty());
            QCOMPARE(chakraQuestion(55).text,
                     QStringLiteral("Do you feel unattached from the real world?"));
            QVERIFY(!loadAsanaCatalogue().constLast().benefits.isEmpty());
            QVERIFY(article(ArticleId::WhoShouldNotPractise).has_value());
            QVERIFY(!introduction().blocks.isEmpty());
            QVERIFY(!applicationText(QStringLiteral("welcome")).isEmpty());
            for (const char* pose : {"Anjali Mudra", "Yoga Mudra", "Padmasana"}) {
                QVERIFY(!pictures::asanaPicture(QLatin1String(pose), {40, 40}).isNull());
                QVERIFY(!pictures::asanaPictureDescription(QLatin1String(pose)).isEmpty());
            }
        }
        const QStringList read = contentFilesRead();
        for (const QString& file : read)
            QVERIFY2(read.count(file) == 1, qPrintable(file));
        // The readers above went through these files, so none of them was left out of the check.
        for (const char* file :
             {":/content/zodiac/signs.json", ":/content/zodiac/elements.json",
              ":/content/zodiac/texts.json", ":/content/zodiac/asanas.json",
              ":/content/chakra/chakras.json", ":/content/chakra/asanas.json",
              ":/content/chakra/questions.json", ":/content/asanas/catalogue.json",
              ":/content/learn/articles.json", ":/content/app/texts.json",
              ":/content/poses/AnjaliMudra.json", ":/content/poses/YogaMudra.json",
              ":/content/poses/Padmasana.json"})
            QVERIFY2(read.contains(QLatin1String(file)), file);
    }
};

TARVO_TEST_MAIN(tst_StartupContent)
#include "tst_startupcontent.moc"
