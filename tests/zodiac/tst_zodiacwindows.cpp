#include "app/MainWindow.h"
#include "app/ProgramWindows.h"
#include "platform/AppInfo.h"
#include "platform/LinkLabel.h"
#include "report/RichTextBox.h"
#include "shell/WorkArea.h"
#include "support/Journeys.h"
#include "support/PdfTools.h"
#include "support/TestMain.h"
#include "support/WindowFixture.h"
#include "zodiac/ZodiacAsanaTab.h"
#include "zodiac/ZodiacAsanas.h"
#include "zodiac/ZodiacInputWindow.h"
#include "zodiac/ZodiacRecordFile.h"
#include "zodiac/ZodiacReportDialog.h"
#include "zodiac/ZodiacResultWindow.h"

#include <QClipboard>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QPlainTextEdit>
#include <QPrinter>
#include <QPushButton>
#include <QScrollArea>
#include <QScrollBar>
#include <QTabWidget>
#include <QTemporaryDir>
#include <sys/stat.h>

using namespace tarvo;

class tst_ZodiacWindows : public QObject {
    Q_OBJECT

private slots:
    void init();
    void cleanup();
    void typedReadingEndToEnd();
    void keyFilter();
    void pastedTextIsFiltered();
    void blankNameRefused();
    void impossibleDates_data();
    void impossibleDates();
    void savedReadingRoundTrip();
    void refusedFiles_data();
    void refusedFiles();
    void saveFailureAndCancel();
    void printReport();
    void hoverUnderline();
    void unmatchedMonthKeepsSelection();
    void reminderOnLoad();
    void reportIsModalAndLinksOpen();
    void closeBoxBringsBackWelcome();
    void captionsAreNotDrawnAsLinks();
    void nameIsCheckedWhoeverSetIt_data();
    void nameIsCheckedWhoeverSetIt();
    void longPasteIsCutAtTheLimit();
    void longRecordNameIsCutAtTheLimit_data();
    void longRecordNameIsCutAtTheLimit();
    void reportSitsOverTheWorkArea();
    void placedCentredFromLearnYoga();
    void resultWindowFitsTheWorkArea_data();
    void resultWindowFitsTheWorkArea();

private:
    ZodiacInputWindow* openInput();
    QString writeFile(const QString& name, const QByteArray& bytes);

    std::unique_ptr<test::MainWindowFixture> m_fixture;
    std::unique_ptr<QTemporaryDir> m_dir;
};

void tst_ZodiacWindows::init()
{
    test::failOnUnexpectedWarnings();
    m_fixture = std::make_unique<test::MainWindowFixture>();
    m_dir = std::make_unique<QTemporaryDir>();
}

void tst_ZodiacWindows::cleanup()
{
    m_fixture.reset();
    m_dir.reset();
    QCoreApplication::processEvents();
    QTRY_VERIFY(QApplication::topLevelWidgets().isEmpty()
                || std::none_of(QApplication::topLevelWidgets().cbegin(),
                                QApplication::topLevelWidgets().cend(),
                                [](QWidget* w) { return w->isVisible(); }));
}

ZodiacInputWindow* tst_ZodiacWindows::openInput()
{
    m_fixture->window->selectProgram(Program::ZodiacYoga);
    return qobject_cast<ZodiacInputWindow*>(m_fixture->child(QStringLiteral("frmZodiacYogaMain")));
}

QString tst_ZodiacWindows::writeFile(const QString& name, const QByteArray& bytes)
{
    const QString path = m_dir->filePath(name);
    QFile file(path);
    if (file.open(QIODevice::WriteOnly))
        file.write(bytes);
    return path;
}

void tst_ZodiacWindows::typedReadingEndToEnd()
{
    ZodiacInputWindow* input = openInput();
    QVERIFY(input);
    QVERIFY(!m_fixture->window->welcomePanelVisible());
    auto* name = input->findChild<QLineEdit*>(QStringLiteral("txtName"));
    auto* day = input->findChild<QComboBox*>(QStringLiteral("cboDate"));
    auto* month = input->findChild<QComboBox*>(QStringLiteral("cboMonth"));
    auto* year = input->findChild<QComboBox*>(QStringLiteral("cboYear"));
    QCOMPARE(day->count(), 31);
    QCOMPARE(year->count(), 151);
    QCOMPARE(month->currentText(), u"January");
    QTest::keyClicks(name, QStringLiteral("anu rao"));
    QCOMPARE(name->text(), u"ANU RAO");
    day->setCurrentIndex(6);
    month->setCurrentIndex(6);
    year->setCurrentIndex(year->findText(QStringLiteral("1985")));
    QTest::mouseClick(input->findChild<QPushButton*>(QStringLiteral("cmdNext")), Qt::LeftButton);
    QVERIFY(m_fixture->seams.desktop.messages.isEmpty());

    auto* display =
        qobject_cast<ZodiacResultWindow*>(m_fixture->child(QStringLiteral("frmZodiacYogaDisplay")));
    QVERIFY(display);
    QVERIFY(!input->isVisibleTo(m_fixture->window.get()));
    QVERIFY(!m_fixture->window->welcomePanelVisible());
    QCOMPARE(input->reading().name, u"ANU RAO");
    QCOMPARE(input->reading().sunSign, SunSign::Cancer);
    QCOMPARE(display->findChild<QTabWidget*>(QStringLiteral("SSTab1"))->currentIndex(), 0);
    QCOMPARE(display->findChild<QTabWidget*>(QStringLiteral("ssTab"))->currentIndex(), 0);
    QCOMPARE(display->findChild<QLabel*>(QStringLiteral("lblSunSign"))->text(), u"Cancer");
    QCOMPARE(display->findChild<QLabel*>(QStringLiteral("lblConstitutionTypeLow"))->text(),
             u"Water");
    QCOMPARE(display->findChild<QLabel*>(QStringLiteral("lblLowRemedy"))->text(),
             u"Sweetened honey and fruit juices.");
    // A water sign's remedies name chaparral, which is never to be swallowed.
    QVERIFY(display->findChild<QLabel*>(QStringLiteral("lblHerbCaution"))
                ->text()
                .startsWith(u"Chaparral: not for internal use"));
    QCOMPARE(display->findChild<QLabel*>(QStringLiteral("lblvariety"))->text(),
             u"Moderate Variety");

    display->findChild<QTabWidget*>(QStringLiteral("SSTab1"))->setCurrentIndex(2);
    auto* panel = display->findChild<QGroupBox*>(QStringLiteral("fraCancer"));
    auto* detail = display->findChild<QWidget*>(QStringLiteral("fraYogaProcedure"));
    QVERIFY(panel->isVisible());
    QVERIFY(!detail->isVisible());
    QCOMPARE(panel->title(), u"Recommended Yoga Asanas For Cancer");
    int visiblePanels = 0;
    for (QGroupBox* box : display->findChildren<QGroupBox*>())
        visiblePanels += box->objectName().startsWith(u"fra") && box->isVisible() ? 1 : 0;
    QCOMPARE(visiblePanels, 1);
    QCOMPARE(panel->findChildren<LinkLabel*>().size(), 5);

    auto* dhanurasana = display->findChild<LinkLabel*>(QStringLiteral("lblDhanuraasanaaCancer"));
    QTest::mouseClick(dhanurasana, Qt::LeftButton);
    QVERIFY(detail->isVisible());
    QVERIFY(!panel->isVisible());
    QCOMPARE(display->findChild<QLabel*>(QStringLiteral("lblAsanaName"))->text(), u"Dhanurasana");
    QCOMPARE(display->findChild<QLabel*>(QStringLiteral("lblEnglishName"))->text(), u"Bow Pose");
    QCOMPARE(display->findChild<QPlainTextEdit*>(QStringLiteral("txtProcedure"))
                 ->document()
                 ->blockCount(),
             8);
    QVERIFY(!display->findChild<QLabel*>(QStringLiteral("picYoga"))->pixmap().isNull());

    QTest::mouseClick(display->findChild<QPushButton*>(QStringLiteral("cmdYogaBack")),
                      Qt::LeftButton);
    QVERIFY(panel->isVisible());
    QVERIFY(!detail->isVisible());
    QTest::mouseClick(display->findChild<LinkLabel*>(QStringLiteral("lblSavaasanaaCancer")),
                      Qt::LeftButton);
    QCOMPARE(display->findChild<QLabel*>(QStringLiteral("lblEnglishName"))->text(), u"Corpse Pose");
    QCOMPARE(
        display->findChild<QPlainTextEdit*>(QStringLiteral("txtBenefits"))->toPlainText(),
        QString(zodiacAsana(3).benefits).replace(QStringLiteral("\r\n"), QStringLiteral("\n")));

    QTest::mouseClick(display->findChild<QPushButton*>(QStringLiteral("cmdBack")), Qt::LeftButton);
    QTRY_VERIFY(!m_fixture->child(QStringLiteral("frmZodiacYogaDisplay")));
    QVERIFY(input->isVisibleTo(m_fixture->window.get()));
    QVERIFY(!m_fixture->window->welcomePanelVisible());
    QCOMPARE(name->text(), u"ANU RAO");
    QCOMPARE(day->currentText(), u"7");
    QCOMPARE(month->currentText(), u"July");
    QCOMPARE(year->currentText(), u"1985");

    QTest::mouseClick(input->findChild<QPushButton*>(QStringLiteral("cmdExit")), Qt::LeftButton);
    QTRY_VERIFY(!m_fixture->child(QStringLiteral("frmZodiacYogaMain")));
    QVERIFY(m_fixture->window->welcomePanelVisible());
}

void tst_ZodiacWindows::keyFilter()
{
    ZodiacInputWindow* input = openInput();
    auto* name = input->findChild<QLineEdit*>(QStringLiteral("txtName"));
    QTest::keyClicks(name, QStringLiteral("ab"));
    for (const char key : {'1', '-', '.'})
        QTest::keyClick(name, key);
    QCOMPARE(name->text(), u"AB");
    QCOMPARE(m_fixture->seams.desktop.messageTexts(),
             QStringList(3, QStringLiteral("Please Enter only Letters")));
    QCOMPARE(m_fixture->seams.desktop.messages.first().icon, MessageIcon::Information);
    QCOMPARE(m_fixture->seams.desktop.messages.first().title, u"Tarvo Yoga");
    QTest::keyClick(name, Qt::Key_Backspace);
    QCOMPARE(name->text(), u"A");
    QCOMPARE(m_fixture->seams.desktop.messages.size(), 3);
}

void tst_ZodiacWindows::pastedTextIsFiltered()
{
    ZodiacInputWindow* input = openInput();
    auto* name = input->findChild<QLineEdit*>(QStringLiteral("txtName"));
    QApplication::clipboard()->setText(QStringLiteral("ravi 2 kumar!"));
    name->setFocus();
    QTest::keySequence(name, QKeySequence::Paste);
    QCOMPARE(name->text(), u"RAVI  KUMAR");
    QCOMPARE(m_fixture->seams.desktop.messageTexts(),
             QStringList(QStringLiteral("Please Enter only Letters")));
    QApplication::clipboard()->clear();
}

void tst_ZodiacWindows::blankNameRefused()
{
    ZodiacInputWindow* input = openInput();
    auto* name = input->findChild<QLineEdit*>(QStringLiteral("txtName"));
    QTest::mouseClick(input->findChild<QPushButton*>(QStringLiteral("cmdNext")), Qt::LeftButton);
    QTest::keyClicks(name, QStringLiteral("   "));
    QTest::mouseClick(input->findChild<QPushButton*>(QStringLiteral("cmdNext")), Qt::LeftButton);
    QCOMPARE(m_fixture->seams.desktop.messageTexts(),
             QStringList(2, QStringLiteral("Please Enter Your Name")));
    QVERIFY(!m_fixture->child(QStringLiteral("frmZodiacYogaDisplay")));
    // "A" on the opening date, 1 January 1900, is a Capricorn.
    name->setText(QStringLiteral("A"));
    input->showReading();
    QCOMPARE(input->reading().sunSign, SunSign::Capricorn);
}

void tst_ZodiacWindows::impossibleDates_data()
{
    QTest::addColumn<int>("month");
    QTest::addColumn<int>("day");
    QTest::addColumn<QString>("message");
    QTest::addRow("31 June") << 6 << 31 << "Please Enter Correct Date of Birth !";
    QTest::addRow("30 February") << 2 << 30 << "Please Enter Correct Date of Birth!";
}

void tst_ZodiacWindows::impossibleDates()
{
    QFETCH(int, month);
    QFETCH(int, day);
    QFETCH(QString, message);
    QVERIFY(!test::openZodiacResult(*m_fixture->window, QStringLiteral("ANU"), {day, month}));
    QCOMPARE(m_fixture->seams.desktop.messageTexts(), QStringList(message));
    QVERIFY(!m_fixture->child(QStringLiteral("frmZodiacYogaDisplay")));
    QCOMPARE(m_fixture->child(QStringLiteral("frmZodiacYogaMain"))
                 ->findChild<QComboBox*>(QStringLiteral("cboDate"))
                 ->currentText(),
             QString::number(day));
}

void tst_ZodiacWindows::savedReadingRoundTrip()
{
    ZodiacResultWindow* display =
        test::openZodiacResult(*m_fixture->window, QStringLiteral("A B"), {7, 7, 1985});
    QVERIFY(display);

    const QString path = m_dir->filePath(QStringLiteral("reading.zoy"));
    m_fixture->seams.desktop.saveNames.push_back(path);
    {
        ZodiacReportDialog report(m_fixture->window->context(), display->reading(),
                                  display->fields(), display);
        QTest::mouseClick(report.findChild<QPushButton*>(QStringLiteral("cmdSave")),
                          Qt::LeftButton);
        QVERIFY(report.richTextBox().linkDetection());
    }
    QVERIFY(m_fixture->seams.desktop.messages.isEmpty());
    QCOMPARE(m_fixture->seams.desktop.fileRequests.last().title, u"Tarvo Free Zodiac Yoga");
    QCOMPARE(m_fixture->seams.desktop.fileRequests.last().defaultSuffix, u"zoy");
    QFile file(path);
    QVERIFY(file.open(QIODevice::ReadOnly));
    const QByteArray bytes = file.readAll();
    QCOMPARE(bytes, encodeZodiacRecord(
                        {QStringLiteral("A B"), 7, QStringLiteral("July"), 1985, SunSign::Cancer}));
    QCOMPARE(bytes.split('\n').size(), 5);

    // A fresh program switch forgets everything; the file brings it back.
    ZodiacInputWindow* again = openInput();
    QCOMPARE(again->findChild<QLineEdit*>(QStringLiteral("txtName"))->text(), QString());
    m_fixture->seams.desktop.openNames.push_back(path);
    QTest::mouseClick(again->findChild<QPushButton*>(QStringLiteral("cmdOpen")), Qt::LeftButton);
    QCOMPARE(m_fixture->seams.desktop.fileRequests.last().title, u"Select the source file");
    QCOMPARE(again->findChild<QLineEdit*>(QStringLiteral("txtName"))->text(), u"A B");
    QCOMPARE(again->findChild<QComboBox*>(QStringLiteral("cboDate"))->currentText(), u"7");
    QCOMPARE(again->findChild<QComboBox*>(QStringLiteral("cboMonth"))->currentText(), u"July");
    QCOMPARE(again->findChild<QComboBox*>(QStringLiteral("cboYear"))->currentText(), u"1985");
    QVERIFY(again->resultWindow());
    QCOMPARE(again->reading().sunSign, SunSign::Cancer);
}

void tst_ZodiacWindows::refusedFiles_data()
{
    QTest::addColumn<QString>("fileName");
    QTest::addColumn<QByteArray>("content");
    QTest::addColumn<QString>("outcome"); // the message shown
    const QByteArray good = encodeZodiacRecord(
        {QStringLiteral("ANU"), 7, QStringLiteral("July"), 1985, SunSign::Cancer});
    QTest::addRow("upper-case extension") << "a.ZOY" << good << "Please Check The File.";
    QTest::addRow("binary garbage")
        << "g.zoy" << QByteArray("\x01\xff\x10\x00\x7f", 5) << "Please Check The File.";
    QTest::addRow("1 MiB") << "big.zoy" << QByteArray(1 << 20, 'H') << "Please Check The File.";
    QTest::addRow("name with digits")
        << "d.zoy" << scrambleText(QStringLiteral("ANU 2")).toLatin1() + "\r\n"
        << "Please Check The File.";
    // A record without a name or a date must not take a reading from the typed name or the
    // selected date.
    QTest::addRow("empty") << "e.zoy" << QByteArray() << "Please Check The File.";
    QTest::addRow("name only") << "n.zoy" << scrambleText(QStringLiteral("ANU")).toLatin1()
                               << "Please Check The File.";
    QTest::addRow("blank name line")
        << "b.zoy" << QByteArray("\r\n") + good.mid(5) << "Please Check The File.";
    QTest::addRow("pipe") << "pipe.zoy" << QByteArray() << "Please Check The File.";
}

void tst_ZodiacWindows::refusedFiles()
{
    QFETCH(QString, fileName);
    QFETCH(QByteArray, content);
    QFETCH(QString, outcome);
    ZodiacInputWindow* input = openInput();
    input->findChild<QComboBox*>(QStringLiteral("cboMonth"))->setCurrentIndex(3);
    auto* name = input->findChild<QLineEdit*>(QStringLiteral("txtName"));
    name->setText(QStringLiteral("TYPED"));
    QString path = m_dir->filePath(fileName);
    if (fileName.startsWith(u"pipe"))
        QVERIFY(::mkfifo(QFile::encodeName(path).constData(), 0600) == 0);
    else
        path = writeFile(fileName, content);
    m_fixture->seams.desktop.openNames.push_back(path);
    input->openSavedReading();
    QCOMPARE(m_fixture->seams.desktop.messageTexts(), QStringList(outcome));
    QCOMPARE(m_fixture->seams.desktop.messages.first().icon, MessageIcon::Critical);
    QCOMPARE(name->text(), u"TYPED");
    QCOMPARE(input->findChild<QComboBox*>(QStringLiteral("cboMonth"))->currentIndex(), 3);
    QVERIFY(!m_fixture->child(QStringLiteral("frmZodiacYogaDisplay")));
}

void tst_ZodiacWindows::saveFailureAndCancel()
{
    const ZodiacReading reading{QStringLiteral("ANU"), 1, QStringLiteral("May"), 1990,
                                SunSign::Taurus};
    ZodiacReportDialog report(m_fixture->window->context(), reading,
                              zodiacDisplayFields(SunSign::Taurus));
    report.saveReading(); // cancelled
    QVERIFY(m_fixture->seams.desktop.messages.isEmpty());
    m_fixture->seams.desktop.saveNames.push_back(
        m_dir->filePath(QStringLiteral("missing/folder/r.zoy")));
    report.saveReading();
    QCOMPARE(m_fixture->seams.desktop.messages.size(), 1);
    QCOMPARE(m_fixture->seams.desktop.messages.first().icon, MessageIcon::Critical);
    QVERIFY(m_fixture->seams.desktop.messages.first().text.startsWith(
        u"The reading could not be saved"));
}

void tst_ZodiacWindows::printReport()
{
    const ZodiacReading reading{QStringLiteral("ANU"), 1, QStringLiteral("May"), 1990,
                                SunSign::Taurus};
    ZodiacReportDialog report(m_fixture->window->context(), reading,
                              zodiacDisplayFields(SunSign::Taurus));
    const auto printTo = [this, &report](const QString& pdf) {
        m_fixture->seams.desktop.printerSetup = [pdf](QPrinter& printer, bool hasSelection) {
            printer.setOutputFormat(QPrinter::PdfFormat);
            printer.setOutputFileName(pdf);
            if (hasSelection)
                printer.setPrintRange(QPrinter::Selection);
            return true;
        };
        QTest::mouseClick(report.findChild<QPushButton*>(QStringLiteral("cmdPrint")),
                          Qt::LeftButton);
        return test::pdfText(pdf);
    };
    const QString whole = printTo(m_dir->filePath(QStringLiteral("whole.pdf")));
    QVERIFY(whole.contains(u"Report Generated By"));
    QVERIFY(whole.contains(u"Haalaasanaa"));
    QCOMPARE(m_fixture->seams.desktop.printerDialogs.last(), false);

    QTextCursor cursor = report.richTextBox().document()->find(QStringLiteral("Name :- "));
    QVERIFY(!cursor.isNull());
    cursor.movePosition(QTextCursor::EndOfBlock, QTextCursor::KeepAnchor);
    report.richTextBox().setTextCursor(cursor);
    const QString part = printTo(m_dir->filePath(QStringLiteral("part.pdf")));
    QCOMPARE(m_fixture->seams.desktop.printerDialogs.last(), true);
    QVERIFY(part.contains(u"ANU"));
    QVERIFY(!part.contains(u"Haalaasanaa"));
}

void tst_ZodiacWindows::hoverUnderline()
{
    ZodiacResultWindow* display =
        test::openZodiacResult(*m_fixture->window, QStringLiteral("ANU"), {10, 3});
    QVERIFY(display);
    display->findChild<QTabWidget*>(QStringLiteral("SSTab1"))->setCurrentIndex(2);
    auto* panel = display->findChild<QGroupBox*>(QStringLiteral("fraPisces"));
    QCOMPARE(panel->findChildren<LinkLabel*>().size(), 7);
    auto* label = display->findChild<LinkLabel*>(QStringLiteral("lblGarudaasanaaPisces"));
    auto* other = display->findChild<LinkLabel*>(QStringLiteral("lblSavaasanaaPisces"));
    // Underlined while the mouse is over it, and only then.
    const auto enter = [](QWidget* w) {
        QEnterEvent event(w->rect().center(), w->mapTo(w->window(), w->rect().center()),
                          w->mapToGlobal(w->rect().center()));
        QApplication::sendEvent(w, &event);
    };
    const auto leave = [](QWidget* w) {
        QEvent event(QEvent::Leave);
        QApplication::sendEvent(w, &event);
    };
    enter(label);
    QVERIFY(label->font().underline());
    QVERIFY(!other->font().underline());
    leave(label);
    enter(other);
    QVERIFY(other->font().underline());
    QVERIFY(!label->font().underline());
    leave(other);
    QVERIFY(!other->font().underline());
}

void tst_ZodiacWindows::unmatchedMonthKeepsSelection()
{
    ZodiacInputWindow* input = openInput();
    input->findChild<QComboBox*>(QStringLiteral("cboMonth"))->setCurrentIndex(4);
    QByteArray bytes;
    for (const char* value : {"ANU", "25", "Mayy", "1970"})
        bytes += scrambleText(QString::fromLatin1(value)).toLatin1() + "\r\n";
    m_fixture->seams.desktop.openNames.push_back(writeFile(QStringLiteral("m.zoy"), bytes));
    input->openSavedReading();
    QVERIFY(m_fixture->seams.desktop.messages.isEmpty());
    QCOMPARE(input->findChild<QComboBox*>(QStringLiteral("cboMonth"))->currentText(), u"May");
    QCOMPARE(input->reading().sunSign, SunSign::Gemini);
    QCOMPARE(input->reading().birthYear, 1970);
}

void tst_ZodiacWindows::reminderOnLoad()
{
    m_fixture->seams.settings.values.insert(
        QStringLiteral("UpdateReminder/LastReminder"),
        m_fixture->seams.clock.time.addDays(-30).toString(Qt::ISODate));
    m_fixture->seams.desktop.answers.push_back(MessageAnswer::No);
    // The question comes over a window that already stands where it belongs.
    QRect placedWhenAsked;
    m_fixture->seams.desktop.onMessage = [&](const test::ScriptedDesktop::Message&) {
        placedWhenAsked =
            m_fixture->child(QStringLiteral("frmZodiacYogaMain"))->parentWidget()->geometry();
    };
    QVERIFY(openInput());
    QTRY_COMPARE(m_fixture->seams.desktop.messages.size(), 1);
    const int viewport = m_fixture->window->findChild<QMdiArea*>()->viewport()->width();
    QVERIFY(qAbs(viewport - (2 * placedWhenAsked.x() + placedWhenAsked.width())) <= 1);
    QCOMPARE(m_fixture->seams.desktop.messages.first().buttons, MessageButtons::YesNo);
}

void tst_ZodiacWindows::reportIsModalAndLinksOpen()
{
    ZodiacResultWindow* display = test::openZodiacResult(*m_fixture->window, QStringLiteral("ANU"));
    QVERIFY(display);
    bool seen = false;
    QVERIFY(test::inZodiacReport(*display, [this, &seen](QWidget* modal) {
        auto* report = qobject_cast<ZodiacReportDialog*>(modal);
        QVERIFY(report);
        seen = true;
        RichTextBox& box = report->richTextBox();
        QVERIFY(box.linkDetection());
        QVERIFY(box.toPlainText().startsWith(u"Report Generated By "));
        QVERIFY(box.toPlainText().contains(u"Recommended yoga Asanas For Capricorn"));
        // A press on the site address opens it; one on plain text opens nothing.
        QTextCursor at = box.document()->find(QStringLiteral("tarvo-yoga"));
        const QPoint link = box.cursorRect(at).center();
        QTest::mouseClick(box.viewport(), Qt::LeftButton, {}, link);
        QCOMPARE(m_fixture->seams.desktop.openedUrls.size(), 1);
        QTextCursor plain = box.document()->find(QStringLiteral("Sun Sign Characteristics"));
        QTest::mouseClick(box.viewport(), Qt::LeftButton, {}, box.cursorRect(plain).center());
        QCOMPARE(m_fixture->seams.desktop.openedUrls.size(), 1);
    }));
    QVERIFY(seen);
    QCOMPARE(m_fixture->seams.desktop.openedUrls.first().host(),
             QStringLiteral("www.tarvo-yoga.example"));
    QVERIFY(m_fixture->child(QStringLiteral("frmZodiacYogaDisplay")));
}

void tst_ZodiacWindows::closeBoxBringsBackWelcome()
{
    ZodiacResultWindow* display = test::openZodiacResult(*m_fixture->window, QStringLiteral("ANU"));
    QVERIFY(display);
    QVERIFY(!m_fixture->window->welcomePanelVisible());
    display->parentWidget()->close();
    QTRY_VERIFY(!m_fixture->child(QStringLiteral("frmZodiacYogaDisplay")));
    QVERIFY(m_fixture->window->welcomePanelVisible());
}

// Several windows name a caption Label7; only the main window's promotion is a link.
void tst_ZodiacWindows::captionsAreNotDrawnAsLinks()
{
    const QColor link(0, 0, 255);
    const auto colour = [](QWidget* w) {
        w->ensurePolished();
        return w->palette().color(QPalette::WindowText);
    };
    QCOMPARE(colour(m_fixture->window->findChild<QWidget*>(QStringLiteral("PicCoBrand"))
                        ->findChild<QLabel*>(QStringLiteral("Label7"))),
             link);
    ZodiacInputWindow* input = openInput();
    QVERIFY(colour(input->findChild<QLabel*>(QStringLiteral("Label7"))) != link);
    ZodiacResultWindow* display = test::openZodiacResult(*m_fixture->window, QStringLiteral("ANU"));
    QVERIFY(display);
    QVERIFY(colour(display->findChild<QLabel*>(QStringLiteral("Label7"))) != link);
}

void tst_ZodiacWindows::nameIsCheckedWhoeverSetIt_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("message");
    QTest::addRow("markup") << "<b>BOLD</b> &lt;I&gt;"
                            << "Please Enter only Letters";
    QTest::addRow("digits") << "ANU 2"
                            << "Please Enter only Letters";
    QTest::addRow("too long") << QString(61, u'A') << "Please Enter a Name of at most 60 Letters";
}

// Assistive tools set the text as a whole, past the per-key rule.
void tst_ZodiacWindows::nameIsCheckedWhoeverSetIt()
{
    QFETCH(QString, name);
    QFETCH(QString, message);
    QVERIFY(!test::openZodiacResult(*m_fixture->window, name));
    QCOMPARE(m_fixture->seams.desktop.messageTexts(), QStringList(message));
    QVERIFY(!m_fixture->child(QStringLiteral("frmZodiacYogaDisplay")));

    // The report window checks again before it writes.
    ZodiacReportDialog report(m_fixture->window->context(),
                              {name, 1, QStringLiteral("May"), 1990, SunSign::Taurus},
                              zodiacDisplayFields(SunSign::Taurus));
    m_fixture->seams.desktop.saveNames.push_back(m_dir->filePath(QStringLiteral("x.zoy")));
    QTest::mouseClick(report.findChild<QPushButton*>(QStringLiteral("cmdSave")), Qt::LeftButton);
    QCOMPARE(m_fixture->seams.desktop.messageTexts().last(), message);
    QVERIFY(!QFile::exists(m_dir->filePath(QStringLiteral("x.zoy"))));
}

void tst_ZodiacWindows::longPasteIsCutAtTheLimit()
{
    ZodiacInputWindow* input = openInput();
    auto* name = input->findChild<QLineEdit*>(QStringLiteral("txtName"));
    QApplication::clipboard()->setText(QString(500, u'a'));
    name->setFocus();
    QTest::keySequence(name, QKeySequence::Paste);
    QApplication::clipboard()->clear();
    QCOMPARE(name->text(), QString(60, u'A'));
    QCOMPARE(m_fixture->seams.desktop.messageTexts(),
             QStringList(QStringLiteral("Please Enter a Name of at most 60 Letters")));
    QTest::keyClick(name, Qt::Key_B);
    QCOMPARE(name->text().size(), 60);

    // The longest name still makes a record that opens again.
    input->showReading();
    const QString path = m_dir->filePath(QStringLiteral("long.zoy"));
    QVERIFY(writeZodiacRecord(path, input->reading(), nullptr));
    QVERIFY(readZodiacRecord(path).has_value());
}

void tst_ZodiacWindows::longRecordNameIsCutAtTheLimit_data()
{
    QTest::addColumn<int>("length");
    QTest::addColumn<QStringList>("messages");
    const QStringList cut(QStringLiteral("Please Enter a Name of at most 60 Letters"));
    QTest::addRow("60 letters") << 60 << QStringList();
    QTest::addRow("61 letters") << 61 << cut;
    // The longest name a record of 4 KiB holds beside "7", "July" and "1985".
    QTest::addRow("4079 letters") << 4079 << cut;
}

void tst_ZodiacWindows::longRecordNameIsCutAtTheLimit()
{
    QFETCH(int, length);
    QFETCH(QStringList, messages);
    const QByteArray record = encodeZodiacRecord(
        {QString(length, u'A'), 7, QStringLiteral("July"), 1985, SunSign::Cancer});
    QVERIFY(record.size() <= kMaxRecordFileSize);
    ZodiacInputWindow* input = openInput();
    m_fixture->seams.desktop.openNames.push_back(writeFile(QStringLiteral("long.zoy"), record));
    input->openSavedReading();
    QCOMPARE(m_fixture->seams.desktop.messageTexts(), messages);
    QCOMPARE(input->findChild<QLineEdit*>(QStringLiteral("txtName"))->text(), QString(60, u'A'));
    QVERIFY(input->resultWindow());
    QCOMPARE(input->reading().name, QString(60, u'A'));
    QCOMPARE(input->reading().sunSign, SunSign::Cancer);
}

void tst_ZodiacWindows::reportSitsOverTheWorkArea()
{
    ZodiacResultWindow* display = test::openZodiacResult(*m_fixture->window, QStringLiteral("ANU"));
    QVERIFY(display);
    QRect placed;
    bool resizable = false;
    QVERIFY(test::inZodiacReport(*display, [&](QWidget* report) {
        placed = report->frameGeometry();
        resizable = report->minimumSize() != report->maximumSize();
    }));
    const QRect area = m_fixture->window->area().globalArea();
    QVERIFY2(area.contains(placed), qPrintable(QStringLiteral("%1,%2 %3x%4")
                                                   .arg(placed.x())
                                                   .arg(placed.y())
                                                   .arg(placed.width())
                                                   .arg(placed.height())));
    QVERIFY(placed.width() >= area.width() * 4 / 5 - 1);
    QVERIFY(placed.height() >= area.height() * 4 / 5 - 1);
    QVERIFY(qAbs(placed.center().x() - area.center().x()) <= 1);
    QVERIFY(resizable);
}

// The navigation hidden on the way out of Learn Yoga widens the work area before the window
// is centred in it.
void tst_ZodiacWindows::placedCentredFromLearnYoga()
{
    m_fixture->window->selectProgram(Program::LearnYoga);
    QCoreApplication::processEvents();
    QWidget* frame = openInput()->parentWidget();
    QCoreApplication::processEvents();
    const int viewport = m_fixture->window->findChild<QMdiArea*>()->viewport()->width();
    QCOMPARE(frame->y(), 0);
    QVERIFY(qAbs(viewport - (2 * frame->x() + frame->width())) <= 1);
}

void tst_ZodiacWindows::resultWindowFitsTheWorkArea_data()
{
    QTest::addColumn<QSize>("screen");
    QTest::addRow("1366x768") << QSize(1366, 768);
    QTest::addRow("1920x1080") << QSize(1920, 1080);
}

void tst_ZodiacWindows::resultWindowFitsTheWorkArea()
{
    QFETCH(QSize, screen);
    m_fixture->window->resize(screen);
    QCoreApplication::processEvents();
    ZodiacResultWindow* display =
        test::openZodiacResult(*m_fixture->window, QStringLiteral("ANU"), {1, 5}); // Taurus
    QVERIFY(display);
    auto* frame = qobject_cast<QMdiSubWindow*>(display->parentWidget());
    const QRect area = m_fixture->window->findChild<QMdiArea*>()->viewport()->rect();
    QVERIFY(area.contains(frame->geometry()));
    QVERIFY(frame->minimumSizeHint().width() <= 1024);
    QVERIFY(frame->minimumSize() != frame->maximumSize());

    auto* tabs = display->findChild<QTabWidget*>(QStringLiteral("SSTab1"));
    tabs->setCurrentIndex(1);
    QCoreApplication::processEvents();
    const auto pageOf = [](QWidget* w) {
        while (w && !qobject_cast<QScrollArea*>(w))
            w = w->parentWidget();
        return qobject_cast<QScrollArea*>(w);
    };
    auto* health = display->findChild<QPlainTextEdit*>(QStringLiteral("txtHealthProblems"));
    if (screen.height() >= 1080)
        QVERIFY(!pageOf(health)->verticalScrollBar()->isVisible());

    // Every box of the asana page shows all its text; only the page itself scrolls.
    tabs->setCurrentIndex(2);
    display->asanaTab().openAsana(SunSign::Taurus,
                                  recommendedAsanas(SunSign::Taurus).first().index);
    QCoreApplication::processEvents();
    for (const char* name :
         {"txtYogaDefination", "txtContradiction", "txtProcedure", "txtBenefits"}) {
        auto* box = display->findChild<QPlainTextEdit*>(QString::fromLatin1(name));
        QVERIFY2(box->verticalScrollBar()->maximum() == 0, name);
        QVERIFY2(!box->toPlainText().isEmpty(), name);
    }
}

TARVO_TEST_MAIN(tst_ZodiacWindows)
#include "tst_zodiacwindows.moc"
