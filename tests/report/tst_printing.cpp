#include "report/PageBreaks.h"
#include "report/PagePrinting.h"
#include "report/PageRenderer.h"
#include "report/PrintablePage.h"
#include "report/RichTextRenderer.h"
#include "support/PdfTools.h"
#include "support/PrivateMounts.h"
#include "support/ScriptedDesktop.h"
#include "support/TestMain.h"

#include <QDir>
#include <QFile>
#include <QPageLayout>
#include <QPainter>
#include <QPrinter>
#include <QTemporaryDir>
#include <QTextDocument>
#include <sys/mount.h>
#include <unistd.h>

using namespace tarvo;

namespace {

const QString kLine = QStringLiteral("\r\n");
const QString kParagraph = QStringLiteral("\r\n\r\n");

bool privateMounts = false;

// Numbered sections, each a bold heading and a paragraph whose length varies, so that some
// headings are bound to fall at the foot of a page.
RichReport sections(int count)
{
    RichReport report;
    for (int i = 1; i <= count; ++i) {
        report.setBold(true);
        report.append(QStringLiteral("Section %1").arg(i) + kLine);
        report.setBold(false);
        report.append(QStringLiteral("Breathe in and lengthen the spine. ").repeated(3 + i * 7 % 11)
                      + kParagraph);
    }
    return report;
}

PrintablePage longPage()
{
    return {QStringLiteral("Paths of Practice"), sections(40), std::nullopt};
}

QByteArray contentOf(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

QPageLayout paper(QPageSize::PageSizeId id)
{
    return QPageLayout(QPageSize(id), QPageLayout::Portrait, QMarginsF(15, 15, 15, 15),
                       QPageLayout::Millimeter);
}

} // namespace

class tst_Printing final : public QObject {
    Q_OBJECT

    QTemporaryDir m_dir;

    QString path(const QString& name) const { return m_dir.filePath(name); }

private slots:
    void init() { test::failOnUnexpectedWarnings(); }

    // Whole bold blocks are headings; a bold caption before plain text on its line is not.
    void headingsAreWholeBoldBlocks()
    {
        RichReport report;
        report.setBold(true);
        report.append(QStringLiteral("Benefits") + kParagraph + QStringLiteral("English Name: "));
        report.setBold(false);
        report.append(QStringLiteral("Mountain pose") + kLine + QStringLiteral("Stand tall."));
        QTextDocument document;
        renderRichReport(report, document, false);
        document.setTextWidth(400);
        QList<std::pair<bool, bool>> kinds; // heading, blank
        for (const FlowLine& line : flowLines(document))
            kinds.append({line.heading, line.blank});
        const QList<std::pair<bool, bool>> expected = {
            {true, false}, {false, true}, {false, false}, {false, false}};
        QCOMPARE(kinds, expected);
    }

    void noPageEndsWithAHeading_data()
    {
        QTest::addColumn<double>("width");
        QTest::addRow("narrow") << 260.0;
        QTest::addRow("wide") << 520.0;
    }

    // Over many page heights, headings land at the foot of some page; none may stay there.
    void noPageEndsWithAHeading()
    {
        QFETCH(double, width);
        QTextDocument document;
        renderRichReport(sections(30), document, false);
        document.setTextWidth(width);
        const QList<FlowLine> lines = flowLines(document);
        int moved = 0;
        for (double height = 90; height < 420; height += 3) {
            const QList<double> starts = pageStarts(lines, height);
            QVERIFY(starts.size() > 1);
            for (qsizetype k = 1; k < starts.size(); ++k) {
                const FlowLine* last = nullptr;
                bool naiveSplit = false;
                for (const FlowLine& line : lines) {
                    if (line.top < starts[k] && !line.blank)
                        last = &line;
                    if (line.top >= starts[k - 1] && line.top < starts[k] && !line.blank)
                        QVERIFY2(
                            line.bottom <= starts[k - 1] + height + 0.01,
                            qPrintable(QStringLiteral("a line below the page at %1").arg(height)));
                    if (line.top >= starts[k] && line.bottom <= starts[k - 1] + height
                        && !line.blank)
                        naiveSplit = true;
                }
                QVERIFY(last);
                QVERIFY2(!last->heading,
                         qPrintable(QStringLiteral("page %1 of height %2 ends with a heading")
                                        .arg(k)
                                        .arg(height)));
                moved += naiveSplit ? 1 : 0;
            }
        }
        // The rule was put to work, not just never needed.
        QVERIFY(moved > 5);
    }

    void everyPageHasHeaderAndFooter_data()
    {
        QTest::addColumn<int>("paperId");
        QTest::addColumn<QString>("paperName");
        QTest::addRow("A4") << int(QPageSize::A4) << "A4";
        QTest::addRow("Letter") << int(QPageSize::Letter) << "letter";
    }

    void everyPageHasHeaderAndFooter()
    {
        QFETCH(int, paperId);
        QFETCH(QString, paperName);
        const QString pdf = path(paperName + QStringLiteral(".pdf"));
        QString reason;
        QVERIFY2(writePdf(longPage(), pdf, paper(QPageSize::PageSizeId(paperId)), &reason),
                 qPrintable(reason));
        QCOMPARE(test::pdfPaper(pdf), paperName);
        const int pages = test::pdfPageCount(pdf);
        QVERIFY2(pages >= 3, qPrintable(QString::number(pages)));
        for (int k = 1; k <= pages; ++k) {
            const QString text = test::pdfText(pdf, k);
            QVERIFY2(text.contains(u"Tarvo Yoga"), qPrintable(text.left(200)));
            QVERIFY(text.contains(u"Paths of Practice"));
            QVERIFY(text.contains(QStringLiteral("page %1 of %2").arg(k).arg(pages)));
        }
        const QString all = test::pdfText(pdf);
        QVERIFY(all.contains(u"Section 1\n"));
        QVERIFY(all.contains(u"Section 40\n"));
    }

    // Lines, fills and text drawn by the picture's own code stay vectors in the file.
    void picturesStayVectors()
    {
        PrintablePage page{QStringLiteral("Circle"), sections(2),
                           PagePicture{QSizeF(200, 150), PicturePlacement::Beside,
                                       [](QPainter& painter, const QRectF& area) {
                                           QLinearGradient sky(area.topLeft(), area.bottomLeft());
                                           sky.setColorAt(0, Qt::white);
                                           sky.setColorAt(1, Qt::cyan);
                                           painter.fillRect(area, sky);
                                           painter.setBrush(Qt::red);
                                           painter.drawEllipse(area.adjusted(20, 20, -20, -20));
                                           QFont label(QStringLiteral("Verdana"));
                                           label.setPixelSize(14);
                                           painter.setFont(label);
                                           painter.drawText(area, Qt::AlignCenter,
                                                            QStringLiteral("Root 62 %"));
                                       }}};
        const QString pdf = path(QStringLiteral("circle.pdf"));
        QString reason;
        QVERIFY(writePdf(page, pdf, paper(QPageSize::A4), &reason));
        QCOMPARE(test::pdfImageCount(pdf), 0);
        QVERIFY(test::pdfText(pdf).contains(u"Root 62 %"));
    }

    void failedSaveLeavesWhatWasThere_data()
    {
        QTest::addColumn<QString>("kind");
        QTest::addRow("missing folder") << "missing";
        QTest::addRow("read-only folder") << "readonly";
        QTest::addRow("path is a folder") << "folder";
        QTest::addRow("disk full") << "full";
    }

    void failedSaveLeavesWhatWasThere()
    {
        QFETCH(QString, kind);
        const QString folder = path(kind);
        QVERIFY(QDir().mkpath(folder));
        const QByteArray old = "%PDF-1.4 the page saved last week\n";
        QString target = QDir(folder).filePath(QStringLiteral("page.pdf"));
        const auto unmount = qScopeGuard([&] {
            if (privateMounts)
                ::umount2(QFile::encodeName(folder).constData(), MNT_DETACH);
        });
        if (kind == u"missing") {
            target = QDir(folder).filePath(QStringLiteral("gone/page.pdf"));
        } else if (kind == u"folder") {
            QVERIFY(QDir().mkpath(target));
        } else {
            if (!privateMounts)
                QSKIP("this kernel gives no private mount namespace");
            const QByteArray at = QFile::encodeName(folder);
            if (kind == u"full") {
                QCOMPARE(
                    ::mount("tmpfs", at.constData(), "tmpfs", MS_NOSUID | MS_NODEV, "size=16k"), 0);
            }
            QFile file(target);
            QVERIFY(file.open(QIODevice::WriteOnly));
            file.write(old);
            file.close();
            if (kind == u"readonly") {
                // Root writes into any folder; a read-only mount stops root too.
                QCOMPARE(::mount(at.constData(), at.constData(), nullptr, MS_BIND, nullptr), 0);
                QCOMPARE(::mount(nullptr, at.constData(), nullptr, MS_REMOUNT | MS_BIND | MS_RDONLY,
                                 nullptr),
                         0);
            }
        }
        const QStringList before = QDir(folder).entryList(QDir::AllEntries | QDir::NoDotAndDotDot);

        test::ScriptedDesktop desktop;
        desktop.saveNames.push_back(target);
        QVERIFY(!exportPageAsPdf(desktop, nullptr, longPage()));
        QCOMPARE(desktop.messages.size(), 1);
        QCOMPARE(desktop.messages.first().icon, MessageIcon::Critical);
        const QString text = desktop.messages.first().text;
        QVERIFY2(text.startsWith(QStringLiteral("The PDF could not be saved to\n") + target
                                 + QStringLiteral("\n\n")),
                 qPrintable(text));
        QVERIFY2(text.size() > target.size() + 34, qPrintable(text)); // a reason follows

        QCOMPARE(QDir(folder).entryList(QDir::AllEntries | QDir::NoDotAndDotDot), before);
        if (kind == u"folder")
            QVERIFY(QFileInfo(target).isDir());
        else if (kind == u"missing")
            QVERIFY(!QFileInfo::exists(target));
        else
            QCOMPARE(contentOf(target), old);
    }

    void exportSuggestsTheTitle()
    {
        test::ScriptedDesktop desktop;
        const QString target = path(QStringLiteral("chosen.pdf"));
        desktop.saveNames.push_back(target);
        QVERIFY(exportPageAsPdf(desktop, nullptr, longPage()));
        QCOMPARE(desktop.fileRequests.size(), 1);
        QCOMPARE(desktop.fileRequests.first().fileName, QStringLiteral("Paths of Practice.pdf"));
        QCOMPARE(desktop.fileRequests.first().defaultSuffix, QStringLiteral("pdf"));
        QVERIFY(desktop.messages.isEmpty());
        QVERIFY(test::pdfText(target).contains(u"Section 40"));

        // Cancelled: nothing written, nothing said.
        QVERIFY(!exportPageAsPdf(desktop, nullptr, longPage()));
        QVERIFY(desktop.messages.isEmpty());
    }

    void printing()
    {
        test::ScriptedDesktop desktop;
        const QString pdf = path(QStringLiteral("printed.pdf"));
        printPage(desktop, nullptr, longPage());
        QCOMPARE(desktop.printerDialogs, QList<bool>{false});
        QVERIFY(!QFileInfo::exists(pdf));

        desktop.printerSetup = [&pdf](QPrinter& printer, bool) {
            printer.setOutputFormat(QPrinter::PdfFormat);
            printer.setOutputFileName(pdf);
            printer.setPageSize(QPageSize(QPageSize::Letter));
            return true;
        };
        printPage(desktop, nullptr, longPage());
        QCOMPARE(desktop.printerDialogs.size(), 2);
        QVERIFY(desktop.messages.isEmpty());
        QCOMPARE(test::pdfPaper(pdf), QStringLiteral("letter"));
        const int pages = test::pdfPageCount(pdf);
        QVERIFY(pages >= 3);
        QVERIFY(test::pdfText(pdf, 1).contains(QStringLiteral("page 1 of %1").arg(pages)));
        QVERIFY(test::pdfText(pdf, pages).contains(u"Section 40"));
    }
};

int main(int argc, char** argv)
{
    privateMounts = test::enterPrivateMountNamespace();
    tarvo::test::isolateEnvironment();
    QApplication app(argc, argv);
    tarvo::test::installFonts(app);
    tst_Printing test;
    QTEST_SET_MAIN_SOURCE_PATH
    return QTest::qExec(&test, argc, argv);
}

#include "tst_printing.moc"
