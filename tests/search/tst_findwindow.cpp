#include "app/MainWindow.h"
#include "asanas/AsanaCautions.h"
#include "learn/ArticleViewer.h"
#include "learn/LearnFlow.h"
#include "report/RichTextBox.h"
#include "search/FindWindow.h"
#include "search/SearchResultDelegate.h"
#include "search/SearchResultModel.h"
#include "support/TestMain.h"
#include "support/WindowFixture.h"

#include <QAction>
#include <QLabel>
#include <QLineEdit>
#include <QListView>
#include <QMenuBar>
#include <QPlainTextEdit>
#include <QTabWidget>
#include <QTextBlock>
#include <QTextDocument>

using namespace tarvo;
using test::in;

namespace {

QString text(const char* utf8)
{
    return QString::fromUtf8(utf8);
}

// The text the user sees selected in the visible text boxes and labels under root.
QString selectedText(const QWidget* root)
{
    for (const QWidget* w : root->findChildren<QWidget*>()) {
        if (!w->isVisibleTo(root->window()))
            continue;
        QString selected;
        if (const auto* edit = qobject_cast<const QTextEdit*>(w))
            selected = edit->textCursor().selectedText();
        else if (const auto* plain = qobject_cast<const QPlainTextEdit*>(w))
            selected = plain->textCursor().selectedText();
        else if (const auto* label = qobject_cast<const QLabel*>(w))
            selected = label->selectedText();
        if (!selected.isEmpty())
            return selected;
    }
    return {};
}

QStringList places(const SearchResultModel& model)
{
    QStringList out;
    for (int row = 0; row < model.rowCount(); ++row)
        out.append(model.hit(row).place);
    return out;
}

// The characters of a document drawn on the marking background.
QString markedText(const QTextDocument& document)
{
    QString marked;
    for (QTextBlock block = document.begin(); block.isValid(); block = block.next()) {
        for (auto it = block.begin(); !it.atEnd(); ++it) {
            if (it.fragment().charFormat().hasProperty(QTextFormat::BackgroundBrush))
                marked += u'[' + it.fragment().text() + u']';
        }
    }
    return marked;
}

} // namespace

class tst_FindWindow : public QObject {
    Q_OBJECT

    std::unique_ptr<test::MainWindowFixture> m_fixture;

    MainWindow& main() const { return *m_fixture->window; }

    FindWindow* openFind()
    {
        QTest::keyClick(&main(), Qt::Key_F, Qt::ControlModifier);
        FindWindow* find = main().findWindow();
        // A tool window counts as active with its parent; the keys must reach Find itself.
        if (find && !QTest::qWaitFor([find] { return QApplication::activeWindow() == find; }))
            qWarning("Find never became active");
        return find;
    }

    // Types the query into Find, then opens the result with the given place.
    bool openResult(const QString& query, const QString& place)
    {
        FindWindow* find = openFind();
        if (!find)
            return false;
        QTest::keyClicks(find->box(), query);
        const qsizetype row = places(find->model()).indexOf(place);
        if (row < 0) {
            qWarning("%s not among: %s", qPrintable(place),
                     qPrintable(places(find->model()).join(u'\n')));
            return false;
        }
        QTest::keyClick(find->box(), Qt::Key_Down);
        for (qsizetype i = 0; i < row; ++i)
            QTest::keyClick(find->results(), Qt::Key_Down);
        QTest::keyClick(find->results(), Qt::Key_Return);
        return true;
    }

private slots:
    void init()
    {
        test::failOnUnexpectedWarnings();
        m_fixture = std::make_unique<test::MainWindowFixture>();
        QApplication::setActiveWindow(m_fixture->window.get());
        QVERIFY(QTest::qWaitForWindowActive(m_fixture->window.get()));
    }

    void cleanup()
    {
        m_fixture.reset();
        QTRY_VERIFY(QApplication::topLevelWidgets().isEmpty());
    }

    void editMenuStandsBetweenFileAndHelp()
    {
        QStringList titles;
        for (const QAction* title : main().menuBar()->actions())
            titles.append(title->menu()->objectName());
        QCOMPARE(titles.mid(0, 2),
                 (QStringList{QStringLiteral("mnuFile"), QStringLiteral("mnuEdit")}));
        QCOMPARE(titles.last(), QStringLiteral("mnuHelp"));
        auto* find = main().findChild<QAction*>(QStringLiteral("mnuFind"));
        QVERIFY(find);
        QCOMPARE(find->shortcut(), QKeySequence(QKeySequence::Find));
    }

    void ctrlFOpensWithFocusInTheBox()
    {
        FindWindow* find = openFind();
        QVERIFY(find);
        QVERIFY(find->isVisible());
        QVERIFY(find->isWindow());
        QCOMPARE(find->parentWidget(), &main());
        QTRY_COMPARE(QApplication::focusWidget(), find->box());
        QCOMPARE(find->box()->accessibleName(), QStringLiteral("Search"));
        QCOMPARE(find->results()->accessibleName(), QStringLiteral("Search results"));

        // A second Ctrl+F comes back to the same window with the last query ready to replace.
        QTest::keyClicks(find->box(), QStringLiteral("lotus"));
        main().activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&main()));
        QCOMPARE(openFind(), find);
        QCOMPARE(find->box()->selectedText(), QStringLiteral("lotus"));
    }

    void firstResultOpensItsPage_data()
    {
        QTest::addColumn<QString>("query");
        QTest::addColumn<QString>("place");
        QTest::addColumn<QString>("selected");
        QTest::addRow("English name in the text")
            << text("corpse") << text("Asana · Shavasana") << text("corpse");
        QTest::addRow("spelling of another book")
            << text("savasana") << text("Asana · Shavasana") << text("Shavasana");
        QTest::addRow("words of an article")
            << text("alternate nostril") << text("Article · Pranayam › Nadi Shodan Prnayam")
            << text("alternate");
    }
    void firstResultOpensItsPage()
    {
        QFETCH(QString, query);
        QFETCH(QString, place);
        QFETCH(QString, selected);
        FindWindow* find = openFind();
        QVERIFY(find);
        QTest::keyClicks(find->box(), query);
        QVERIFY(find->model().rowCount() > 0);
        QCOMPARE(find->model().hit(0).place, place);

        QTest::keyClick(find->box(), Qt::Key_Return);
        QVERIFY(!main().welcomePanelVisible());
        RichTextBox& page = main().learn().articleViewer().richTextBox();
        QCOMPARE(page.textCursor().selectedText().toLower(), selected.toLower());
        QCOMPARE(page.extraSelections().size(), 1);
        QCOMPARE(page.extraSelections().first().cursor.selectedText(),
                 page.textCursor().selectedText());
        // The page is the one found: its title leads it.
        QVERIFY(page.toPlainText().contains(find->model().hit(0).title));
        // Find stays open for the next result.
        QVERIFY(find->isVisible());
    }

    void resultOpensInItsProgram_data()
    {
        QTest::addColumn<QString>("query");
        QTest::addColumn<QString>("place");
        QTest::addColumn<QString>("window");
        QTest::addColumn<QString>("selected");
        QTest::addRow("sign's diet") << text("magnesium phosphate") << text("Zodiac · Leo · Diet")
                                     << text("frmZodiacYogaDisplay") << text("magnesium");
        QTest::addRow("chakra's opening") << text("chant yam") << text("Chakra · Heart · Opening")
                                          << text("frmChakraPage") << text("Chant");
        QTest::addRow("chakra asana record")
            << text("cobra") << text("Chakra · Asanas · Bhujangasana") << text("frmYogaChakra")
            << text("cobra");
        QTest::addRow("library asana from a program")
            << text("cobra") << text("Asana · Bhujangasana") << text("frmLearnYogaDisp")
            << text("cobra");
    }
    void resultOpensInItsProgram()
    {
        QFETCH(QString, query);
        QFETCH(QString, place);
        QFETCH(QString, window);
        QFETCH(QString, selected);
        // Start from another program, as a user who searches from where they are.
        main().selectProgram(window == u"frmLearnYogaDisp" ? Program::ChakraYoga
                                                           : Program::LearnYoga);
        QVERIFY(openResult(query, place));
        QWidget* page = m_fixture->child(window);
        QVERIFY(page);
        QVERIFY(page->isVisible());
        QCOMPARE(selectedText(page).toLower(), selected.toLower());
    }

    void zodiacResultShowsTheSignWithoutAName()
    {
        QVERIFY(openResult(QStringLiteral("magnesium phosphate"), text("Zodiac · Leo · Diet")));
        QWidget* result = m_fixture->child(QStringLiteral("frmZodiacYogaDisplay"));
        QVERIFY(result);
        QCOMPARE(in<QLabel>(result, QStringLiteral("lblSunSign"))->text(), QStringLiteral("Leo"));
        QCOMPARE(in<QTabWidget>(result, QStringLiteral("SSTab1"))->currentIndex(), 1);
        QCOMPARE(in<QTabWidget>(result, QStringLiteral("ssTab"))->currentIndex(), 0);
        QVERIFY(!m_fixture->child(QStringLiteral("frmZodiacYogaMain"))->isVisible());
    }

    void zodiacAsanaOpensOnItsTab()
    {
        QVERIFY(openResult(QStringLiteral("cobra"), text("Zodiac · Asanas · Bhujangasana")));
        QWidget* result = m_fixture->child(QStringLiteral("frmZodiacYogaDisplay"));
        QVERIFY(result);
        QCOMPARE(in<QTabWidget>(result, QStringLiteral("SSTab1"))->currentIndex(), 2);
        QVERIFY(in(result, QStringLiteral("fraYogaProcedure"))->isVisible());
        QCOMPARE(in<QLabel>(result, QStringLiteral("lblAsanaName"))->text(),
                 QStringLiteral("Bhujangasana"));
        QCOMPARE(selectedText(result).toLower(), QStringLiteral("cobra"));
    }

    void escapeCloses()
    {
        FindWindow* find = openFind();
        QVERIFY(find);
        QTest::keyClicks(find->box(), QStringLiteral("lotus"));
        QTest::keyClick(find->box(), Qt::Key_Escape);
        QVERIFY(!find->isVisible());

        QApplication::setActiveWindow(&main());
        QCOMPARE(openFind(), find);
        QTest::keyClick(find->box(), Qt::Key_Down);
        QVERIFY(find->results()->hasFocus());
        QTest::keyClick(find->results(), Qt::Key_Escape);
        QVERIFY(!find->isVisible());
    }

    void upAndDownMoveBetweenBoxAndList()
    {
        FindWindow* find = openFind();
        QVERIFY(find);
        QTest::keyClicks(find->box(), QStringLiteral("cobra"));
        QVERIFY(find->model().rowCount() > 2);
        QTest::keyClick(find->box(), Qt::Key_Down);
        QVERIFY(find->results()->hasFocus());
        QCOMPARE(find->results()->currentIndex().row(), 0);
        QTest::keyClick(find->results(), Qt::Key_Down);
        QCOMPARE(find->results()->currentIndex().row(), 1);
        QTest::keyClick(find->results(), Qt::Key_Up);
        QTest::keyClick(find->results(), Qt::Key_Up);
        QVERIFY(find->box()->hasFocus());
        QTest::keyClick(find->box(), Qt::Key_Up);
        QCOMPARE(find->results()->currentIndex().row(), find->model().rowCount() - 1);
    }

    void clickOpensTheResult()
    {
        FindWindow* find = openFind();
        QVERIFY(find);
        QTest::keyClicks(find->box(), QStringLiteral("corpse"));
        QVERIFY(find->model().rowCount() > 1);
        const QModelIndex second = find->model().index(1);
        const QString title = find->model().hit(1).title;
        QTest::mouseClick(find->results()->viewport(), Qt::LeftButton, {},
                          find->results()->visualRect(second).center());
        QVERIFY(!main().welcomePanelVisible());
        QVERIFY(selectedText(&main()).compare(QStringLiteral("corpse"), Qt::CaseInsensitive) == 0);
        QVERIFY(!title.isEmpty());
    }

    void survivesAProgramSwitch()
    {
        FindWindow* find = openFind();
        QVERIFY(find);
        QTest::keyClicks(find->box(), QStringLiteral("lotus"));
        const int found = find->model().rowCount();
        QVERIFY(found > 0);
        main().selectProgram(Program::ZodiacYoga);
        main().selectProgram(Program::ChakraYoga);
        main().selectProgram(Program::LearnYoga);
        QCOMPARE(main().findWindow(), find);
        QVERIFY(find->isVisible());
        QCOMPARE(find->model().rowCount(), found);
    }

    void countSaysWhatWasFound()
    {
        FindWindow* find = openFind();
        QVERIFY(find);
        auto* count = in<QLabel>(find, QStringLiteral("lblResultCount"));
        QTest::keyClicks(find->box(), QStringLiteral("xqj"));
        QCOMPARE(find->model().rowCount(), 0);
        QCOMPARE(count->text(), QStringLiteral("Nothing found"));
        find->box()->clear();
        QCOMPARE(count->text(), QString());
        QTest::keyClicks(find->box(), QStringLiteral("nadi shodhana"));
        QCOMPARE(find->model().rowCount(), 1);
        QCOMPARE(count->text(), QStringLiteral("1 text found"));
        find->box()->setText(QStringLiteral("cobra"));
        QVERIFY(find->model().rowCount() > 1);
        QCOMPARE(count->text(), QStringLiteral("%1 texts found").arg(find->model().rowCount()));
    }

    // The asanas found carry the cautions of the conditions ticked before a session, whichever
    // program's text found them; other texts carry none.
    void foundAsanasCarryTheirCautions()
    {
        m_fixture->seams.settings.values.insert(QStringLiteral("Practice/Conditions"),
                                                QStringLiteral("pregnancy"));
        FindWindow* find = openFind();
        QVERIFY(find);
        QTest::keyClicks(find->box(), QStringLiteral("bow pose"));
        QStringList marked;
        for (int row = 0; row < find->model().rowCount(); ++row) {
            const search::SearchHit& hit = find->model().hit(row);
            QCOMPARE(
                hit.cautions.isEmpty(),
                search::libraryAsanaOf(hit).isEmpty()
                    || cautionsFor(search::libraryAsanaOf(hit), {Condition::Pregnancy}).isEmpty());
            if (hit.cautions.isEmpty())
                continue;
            if (search::libraryAsanaOf(hit) == QStringLiteral("Dhanurasana"))
                QVERIFY(hit.cautions.first().startsWith(
                    QStringLiteral("\u26a0 Avoid with Pregnancy: Do not practise the Bow Pose")));
            QVERIFY(find->model()
                        .data(find->model().index(row), Qt::AccessibleTextRole)
                        .toString()
                        .contains(hit.cautions.first()));
            marked.append(hit.place);
        }
        QVERIFY2(marked.contains(QStringLiteral("Asana \u00b7 Dhanurasana")),
                 qPrintable(marked.join(u',')));
        QVERIFY(marked.contains(QStringLiteral("Chakra \u00b7 Asanas \u00b7 Dhanurasana")));
        QVERIFY(marked.contains(QStringLiteral("Zodiac \u00b7 Asanas \u00b7 Noukasana")));
        m_fixture->shot(QStringLiteral("find-bow-pregnancy"));
    }

    // View > Zoom scales the results: their font, and so their rows; Actual Size undoes it.
    void resultsFollowTheZoom()
    {
        FindWindow* find = openFind();
        QVERIFY(find);
        QTest::keyClicks(find->box(), QStringLiteral("cobra"));
        const QModelIndex first = find->model().index(0);
        const qreal size = find->results()->font().pointSizeF();
        const int height = find->results()->sizeHintForIndex(first).height();
        auto* zoomIn = main().findChild<QAction*>(QStringLiteral("mnuZoomIn"));
        QVERIFY(zoomIn);
        // 110, 125, 150, 175, 200 %.
        for (int step = 0; step < 5; ++step)
            zoomIn->trigger();
        QCOMPARE(find->results()->font().pointSizeF(), 2 * size);
        QVERIFY(find->results()->sizeHintForIndex(first).height() > 3 * height / 2);
        main().findChild<QAction*>(QStringLiteral("mnuActualSize"))->trigger();
        QCOMPARE(find->results()->font().pointSizeF(), size);
    }

    void resultMarksExactlyTheMatchedWords_data()
    {
        QTest::addColumn<QList<search::TextRange>>("title");
        QTest::addColumn<QList<search::TextRange>>("snippet");
        QTest::addColumn<QString>("marked");
        using R = QList<search::TextRange>;
        QTest::addRow("none") << R{} << R{} << QString();
        QTest::addRow("title word") << R{{7, 5}} << R{} << text("[Cobra]");
        QTest::addRow("snippet words, out of order")
            << R{} << R{{21, 4}, {4, 5}} << text("[cobra][back]");
        QTest::addRow("range past the end left out")
            << R{} << R{{4, 5}, {24, 40}} << text("[cobra]");
        QTest::addRow("overlapping range left out") << R{} << R{{4, 5}, {6, 4}} << text("[cobra]");
    }
    void resultMarksExactlyTheMatchedWords()
    {
        QFETCH(QList<search::TextRange>, title);
        QFETCH(QList<search::TextRange>, snippet);
        QFETCH(QString, marked);
        search::SearchHit hit;
        hit.place = text("Asana · Bhujangasana");
        hit.title = QStringLiteral("Yoga's Cobra pose");
        hit.titleHighlights = title;
        hit.snippet = QStringLiteral("The cobra arches the back gently.");
        hit.snippetHighlights = snippet;
        QTextDocument document;
        writeSearchResult(document, hit, QFont(),
                          {Qt::black, Qt::gray, Qt::black, Qt::yellow, Qt::red});
        QCOMPARE(markedText(document), marked);
        QCOMPARE(document.toPlainText(), hit.place + u'\n' + hit.title + u'\n' + hit.snippet);
    }
};

TARVO_TEST_MAIN(tst_FindWindow)
#include "tst_findwindow.moc"
