#include "app/MainWindow.h"
#include "chakra/ChakraAsanaWindow.h"
#include "chakra/ChakraResultWindow.h"
#include "learn/ArticleCatalogue.h"
#include "learn/ArticleViewer.h"
#include "learn/LearnFlow.h"
#include "report/RichTextBox.h"
#include "shell/WorkArea.h"
#include "support/Journeys.h"
#include "support/PdfTools.h"
#include "support/TestMain.h"
#include "support/WindowFixture.h"
#include "zodiac/ZodiacAsanaTab.h"
#include "zodiac/ZodiacReportDialog.h"
#include "zodiac/ZodiacResultWindow.h"

#include <QAction>
#include <QMenu>
#include <QMenuBar>
#include <QPrinter>
#include <QPushButton>
#include <QRegularExpression>
#include <QTabWidget>
#include <QTemporaryDir>
#include <memory>

using namespace tarvo;
using test::in;

namespace {

enum class View {
    Article,
    LongArticle,
    AsanaPage,
    ZodiacCharacteristics,
    ZodiacDiet,
    ZodiacFitness,
    ZodiacAsanas,
    ZodiacAsanaDetail,
    ChakraResult,
    ChakraAsana,
    ChakraPage,
    ChakraIntroduction
};

// Every article's blocks in one, many pages long.
Article longArticle()
{
    Article all{QStringLiteral("The Whole Of Learn Yoga"), {}};
    for (int id = 0; id < kArticleCount; ++id) {
        if (const auto text = article(ArticleId(id))) {
            all.blocks.append({BlockStyle::SubHeading, text->title, true});
            all.blocks.append(text->blocks);
        }
    }
    return all;
}

} // namespace

class tst_PrintViews final : public QObject {
    Q_OBJECT

    std::unique_ptr<test::MainWindowFixture> m_fixture;
    std::unique_ptr<QTemporaryDir> m_dir;

    MainWindow& window() const { return *m_fixture->window; }
    QMenu* fileMenu() const { return window().menuBar()->actions().constFirst()->menu(); }
    // Opened as the user opens it, so the actions look at the view in front.
    void openFileMenu() const { emit fileMenu()->aboutToShow(); }

    // From the main window's own File menu: program windows have menus of their own.
    QAction* action(const QString& name) const
    {
        const QList<QAction*> items = fileMenu()->actions();
        for (QAction* item : items) {
            if (item->objectName() == name)
                return item;
        }
        qWarning("no action %s", qPrintable(name));
        return nullptr;
    }
    AppContext context() const { return m_fixture->window->context(); }

    // The opening date, 1 January 1900, is a Capricorn's.
    ZodiacResultWindow* zodiacResult()
    {
        return test::openZodiacResult(window(), QStringLiteral("ANU"));
    }

    void open(View view)
    {
        switch (view) {
        case View::Article:
            test::openLocation(window(), ArticleLocation{ArticleId::WhatIsYoga});
            break;
        case View::LongArticle:
            window().selectProgram(Program::LearnYoga);
            window().learn().articleViewer().showArticle(longArticle());
            break;
        case View::AsanaPage:
            test::openLocation(window(), AsanaLocation{QStringLiteral("Tadasana")});
            break;
        case View::ZodiacCharacteristics:
            zodiacResult();
            break;
        case View::ZodiacDiet:
            in<QTabWidget>(zodiacResult(), QStringLiteral("SSTab1"))->setCurrentIndex(1);
            break;
        case View::ZodiacFitness: {
            ZodiacResultWindow* result = zodiacResult();
            in<QTabWidget>(result, QStringLiteral("SSTab1"))->setCurrentIndex(1);
            in<QTabWidget>(result, QStringLiteral("ssTab"))->setCurrentIndex(1);
            break;
        }
        case View::ZodiacAsanas:
            in<QTabWidget>(zodiacResult(), QStringLiteral("SSTab1"))->setCurrentIndex(2);
            break;
        case View::ZodiacAsanaDetail: {
            ZodiacResultWindow* result = zodiacResult();
            in<QTabWidget>(result, QStringLiteral("SSTab1"))->setCurrentIndex(2);
            test::click(result, QStringLiteral("lblSarvaangaasanaaCapricorn"));
            break;
        }
        case View::ChakraResult: {
            auto session = std::make_shared<ChakraTestSession>();
            session->selected[chakraIndex(ChakraId::Root)] = true;
            session->selected[chakraIndex(ChakraId::Heart)] = true;
            session->scores[chakraIndex(ChakraId::Root)] = 1;
            session->scores[chakraIndex(ChakraId::Heart)] = 5;
            window().area().open(new ChakraResultWindow(context(), session));
            break;
        }
        case View::ChakraAsana:
            window().area().open(new ChakraAsanaWindow(
                context(), recommendedAsanas(PerChakra<bool>{true, false, false})));
            break;
        case View::ChakraPage:
            window().open(ChakraLocation{ChakraId::Heart});
            break;
        case View::ChakraIntroduction:
            window().open(ChakraLocation{});
            break;
        }
        QCoreApplication::processEvents();
    }

private slots:
    void init()
    {
        test::failOnUnexpectedWarnings();
        m_fixture = std::make_unique<test::MainWindowFixture>();
        m_dir = std::make_unique<QTemporaryDir>();
    }

    void cleanup()
    {
        m_fixture.reset();
        m_dir.reset();
        QTRY_VERIFY(QApplication::topLevelWidgets().isEmpty());
    }

    void exportEveryView_data()
    {
        QTest::addColumn<View>("view");
        QTest::addColumn<QString>("title");
        QTest::addColumn<QStringList>("body");
        QTest::addColumn<int>("minimumPages");
        QTest::addColumn<QString>("fileName");

        QTest::addRow("article") << View::Article << "What Is Yoga ?"
                                 << QStringList{"Sanskrit root yuj"} << 1 << "What Is Yoga.pdf";
        QTest::addRow("long article") << View::LongArticle << "The Whole Of Learn Yoga"
                                      << QStringList{"Paths Of Yoga", "People Who Should Not"} << 3
                                      << "The Whole Of Learn Yoga.pdf";
        QTest::addRow("asana page")
            << View::AsanaPage << "Tadasana" << QStringList{"Mountain Pose", "Tada means mountain"}
            << 1 << "Tadasana.pdf";
        QTest::addRow("zodiac characteristics")
            << View::ZodiacCharacteristics << "Capricorn: Sun Sign Characteristics"
            << QStringList{"Lucky Number", "Isaac Newton", "ambitious, disciplined"} << 1
            << "Capricorn Sun Sign Characteristics.pdf";
        QTest::addRow("zodiac diet") << View::ZodiacDiet << "Capricorn: Sun Sign and Diet"
                                     << QStringList{"Health Problems", "calcium phosphate"} << 1
                                     << "Capricorn Sun Sign and Diet.pdf";
        QTest::addRow("zodiac fitness") << View::ZodiacFitness << "Capricorn: Sun Sign and Fitness"
                                        << QStringList{"Fitness Advice", "moderately athletic"} << 1
                                        << "Capricorn Sun Sign and Fitness.pdf";
        QTest::addRow("zodiac asanas")
            << View::ZodiacAsanas << "Capricorn: Yoga Asanas"
            << QStringList{"Recommended Yoga Asanas For Capricorn", "Dhanurasana"} << 1
            << "Capricorn Yoga Asanas.pdf";
        QTest::addRow("zodiac asana detail")
            << View::ZodiacAsanaDetail << "Sarvangasana"
            << QStringList{"Shoulder Stand Pose", "Procedure", "Reverses the usual pull of gravity"}
            << 1 << "Sarvangasana.pdf";
        QTest::addRow("chakra result")
            << View::ChakraResult << "Chakra Test Result"
            << QStringList{"Third Eye", "12 %", "62 %"} << 1 << "Chakra Test Result.pdf";
        QTest::addRow("chakra asana") << View::ChakraAsana << "Mandukasana for the Root Chakra"
                                      << QStringList{"Frog Pose", "Asanas Name"} << 1
                                      << "Mandukasana for the Root Chakra (Muladhara).pdf";
        QTest::addRow("chakra page found")
            << View::ChakraPage << "Heart Chakra (Anahata)"
            << QStringList{"When the Heart Chakra (Anahata) is OverActive", "To open Heart Chakra"}
            << 1 << "Heart Chakra (Anahata).pdf";
        QTest::addRow("chakra introduction found")
            << View::ChakraIntroduction << "Chakras"
            << QStringList{"Chakras are the energy centres of the body"} << 1 << "Chakras.pdf";
    }

    // What the view shows comes back from the file, under the header and footer, and every
    // picture in it is drawn, not pasted in as an image.
    void exportEveryView()
    {
        QFETCH(View, view);
        QFETCH(QString, title);
        QFETCH(QStringList, body);
        QFETCH(int, minimumPages);
        QFETCH(QString, fileName);
        open(view);
        openFileMenu();
        QAction* exportPdf = action(QStringLiteral("mnuExportPdf"));
        QVERIFY(exportPdf->isEnabled());
        const QString pdf = m_dir->filePath(QStringLiteral("view.pdf"));
        m_fixture->seams.desktop.saveNames.push_back(pdf);
        exportPdf->trigger();
        QVERIFY(m_fixture->seams.desktop.messages.isEmpty());
        QCOMPARE(m_fixture->seams.desktop.fileRequests.last().fileName, fileName);

        const int pages = test::pdfPageCount(pdf);
        QVERIFY2(pages >= minimumPages, qPrintable(QString::number(pages)));
        const QString first = test::pdfText(pdf, 1);
        QVERIFY2(first.contains(u"Tarvo Yoga"), qPrintable(first));
        QVERIFY(first.contains(title));
        QVERIFY(first.contains(QStringLiteral("page 1 of %1").arg(pages)));
        const QString all = test::pdfText(pdf).simplified();
        for (const QString& text : body)
            QVERIFY2(all.contains(text), qPrintable(text + QStringLiteral(" in ") + all.left(800)));
        QCOMPARE(test::pdfImageCount(pdf), 0);
    }

    void nothingToPrintWithoutTeachingText()
    {
        openFileMenu();
        QVERIFY(!action(QStringLiteral("mnuPrint"))->isEnabled());
        QVERIFY(!action(QStringLiteral("mnuExportPdf"))->isEnabled());
        window().selectProgram(Program::ZodiacYoga);
        openFileMenu();
        QVERIFY(!action(QStringLiteral("mnuExportPdf"))->isEnabled());
        window().selectProgram(Program::LearnYoga);
        openFileMenu();
        QVERIFY(action(QStringLiteral("mnuPrint"))->isEnabled());
        QCOMPARE(action(QStringLiteral("mnuPrint"))->shortcut(), QKeySequence(QKeySequence::Print));
    }

    void printTheViewInFront()
    {
        open(View::AsanaPage);
        openFileMenu();
        QAction* print = action(QStringLiteral("mnuPrint"));
        print->trigger();
        QCOMPARE(m_fixture->seams.desktop.printerDialogs.size(), 1);

        const QString pdf = m_dir->filePath(QStringLiteral("printed.pdf"));
        m_fixture->seams.desktop.printerSetup = [&pdf](QPrinter& printer, bool) {
            printer.setOutputFormat(QPrinter::PdfFormat);
            printer.setOutputFileName(pdf);
            return true;
        };
        print->trigger();
        QCOMPARE(m_fixture->seams.desktop.printerDialogs.size(), 2);
        const QString text = test::pdfText(pdf);
        QVERIFY(text.contains(u"Tadasana"));
        QVERIFY(text.contains(QStringLiteral("page 1 of %1").arg(test::pdfPageCount(pdf))));
        QCOMPARE(test::pdfImageCount(pdf), 0);
    }

    // Each line of a long text is drawn once, inside the text area of its own page: none is left
    // hidden past the foot of a page or under the header of the next, where copying from the PDF
    // or searching it would find the line twice.
    void eachLineDrawnOnce_data()
    {
        QTest::addColumn<bool>("report");
        QTest::addColumn<QString>("title");
        QTest::addRow("Zodiac report") << true << "Zodiac Yoga Report for ANU";
        QTest::addRow("long article") << false << "The Whole Of Learn Yoga";
    }
    void eachLineDrawnOnce()
    {
        QFETCH(bool, report);
        QFETCH(QString, title);
        const QString pdf = m_dir->filePath(QStringLiteral("lines.pdf"));
        m_fixture->seams.desktop.saveNames.push_back(pdf);
        RichReport text;
        if (report) {
            // Capricorn's is the longest report, eight pages of A4.
            const ZodiacReading reading{QStringLiteral("ANU"), 1, QStringLiteral("January"), 1990,
                                        SunSign::Capricorn};
            ZodiacReportDialog dialog(context(), reading, zodiacDisplayFields(SunSign::Capricorn));
            test::click(&dialog, QStringLiteral("cmdExportPdf"));
            text = dialog.richTextBox().report();
        } else {
            open(View::LongArticle);
            text = window().learn().articleViewer().printablePage()->text;
            openFileMenu();
            action(QStringLiteral("mnuExportPdf"))->trigger();
        }
        const int pages = test::pdfPageCount(pdf);
        QVERIFY2(pages >= 3, qPrintable(QString::number(pages)));

        const QList<test::PdfWord> words = test::pdfWords(pdf);
        const QString header = QStringLiteral("Tarvo Yoga ") + title;
        const qsizetype headerWords = header.count(u' ') + 1;
        constexpr qsizetype footerWords = 4;
        QString drawn;
        for (int page = 1; page <= pages; ++page) {
            QList<test::PdfWord> on;
            QStringList texts;
            for (const test::PdfWord& word : words) {
                if (word.page == page) {
                    on.append(word);
                    texts.append(word.text);
                }
            }
            // Read from the top: the header line first, the footer last, the text between.
            QCOMPARE(texts.mid(0, headerWords).join(u' '), header);
            QCOMPARE(texts.mid(texts.size() - footerWords).join(u' '),
                     QStringLiteral("page %1 of %2").arg(page).arg(pages));
            const double textTop = on[headerWords - 1].box.bottom();
            const double textBottom = on.last().box.top();
            for (const test::PdfWord& word :
                 on.mid(headerWords, on.size() - headerWords - footerWords)) {
                QVERIFY2(word.box.top() >= textTop && word.box.bottom() <= textBottom,
                         qPrintable(word.text + QStringLiteral(" on page %1").arg(page)));
                drawn += word.text;
            }
        }
        // Every line once and in order: the text's characters, blanks aside, and no more.
        QString written;
        for (const RichRun& run : text.runs())
            written += run.text;
        written.remove(QRegularExpression(QStringLiteral("\\s")));
        drawn = drawn.normalized(QString::NormalizationForm_KC);
        written = written.normalized(QString::NormalizationForm_KC);
        const qsizetype same =
            std::mismatch(drawn.begin(), drawn.end(), written.begin(), written.end()).first
            - drawn.begin();
        QVERIFY2(drawn == written, qPrintable(drawn.mid(same, 60) + QStringLiteral(" drawn for ")
                                              + written.mid(same, 60)));
    }

    void zodiacReportExports()
    {
        const ZodiacReading reading{QStringLiteral("ANU"), 1, QStringLiteral("May"), 1990,
                                    SunSign::Taurus};
        ZodiacReportDialog report(context(), reading, zodiacDisplayFields(SunSign::Taurus));
        const QString pdf = m_dir->filePath(QStringLiteral("report.pdf"));
        m_fixture->seams.desktop.saveNames.push_back(pdf);
        test::click(&report, QStringLiteral("cmdExportPdf"));
        QCOMPARE(m_fixture->seams.desktop.fileRequests.last().fileName,
                 QStringLiteral("Zodiac Yoga Report for ANU.pdf"));
        const int pages = test::pdfPageCount(pdf);
        QVERIFY(pages >= 2);
        const QString last = test::pdfText(pdf, pages);
        QVERIFY(last.contains(QStringLiteral("page %1 of %1").arg(pages)));
        QVERIFY(last.contains(u"Zodiac Yoga Report for ANU"));
        QVERIFY(test::pdfText(pdf).contains(u"Report Generated By"));
    }
};

TARVO_TEST_MAIN(tst_PrintViews)
#include "tst_printviews.moc"
