#include "app/MainWindow.h"
#include "app/ProgramWindows.h"
#include "app/SingleInstance.h"
#include "chakra/ChakraResultWindow.h"
#include "learn/ArticleCatalogue.h"
#include "learn/LearnFlow.h"
#include "platform/LinkLabel.h"
#include "support/Journeys.h"
#include "support/TestMain.h"
#include "support/WindowFixture.h"
#include "zodiac/ZodiacResultWindow.h"

#include <QComboBox>
#include <QFile>
#include <QMdiSubWindow>
#include <QPixmapCache>
#include <QPushButton>
#include <QTimer>
#include <malloc.h>

using namespace tarvo;
using test::click;
using test::in;

namespace {

constexpr int kRounds = 200;
#if defined(__SANITIZE_ADDRESS__)
// The sanitizers keep freed memory quarantined and allocate on their own, so the allocator's
// counts say nothing there; they find leaks themselves at exit.
constexpr bool kMeasureMemory = false;
#else
constexpr bool kMeasureMemory = true;
#endif
constexpr int kSettledRound = 20;

// Memory allocated and not yet freed, without Qt's bounded pixmap cache. Resident memory is no
// measure of a leak: the allocator keeps freed pages in a fragmented heap, by 1.5 to 2.5 MiB over
// these rounds, differently from run to run.
qint64 bytesInUse()
{
    QPixmapCache::clear();
    const struct mallinfo2 heap = mallinfo2();
    return qint64(heap.uordblks + heap.hblkhd);
}

struct Census {
    qsizetype windows = 0;
    qsizetype objects = 0;
    qsizetype timers = 0;
    friend bool operator==(const Census&, const Census&) = default;
};

Census census()
{
    Census c;
    const QWidgetList tops = QApplication::topLevelWidgets();
    c.windows = tops.size();
    for (QWidget* top : tops) {
        c.objects += 1 + top->findChildren<QObject*>().size();
        c.timers += top->findChildren<QTimer*>().size();
    }
    c.objects += qApp->findChildren<QObject*>().size();
    c.timers += qApp->findChildren<QTimer*>().size();
    return c;
}

char* toString(const Census& c)
{
    return QTest::toString(QStringLiteral("%1 windows, %2 objects, %3 timers")
                               .arg(c.windows)
                               .arg(c.objects)
                               .arg(c.timers));
}

// Closes the modal window that the next statement opens, once its own event loop runs.
void closeNextModal()
{
    QTimer::singleShot(0, qApp, [] {
        if (QWidget* modal = QApplication::activeModalWidget())
            modal->close();
    });
}

} // namespace

// Every window of the three programs opened and closed over and over, as a day's use would:
// nothing may pile up, neither windows nor objects nor timers nor memory.
class tst_Soak : public QObject {
    Q_OBJECT

    void click(QWidget* form, const QString& name)
    {
        if (auto* button = in<QAbstractButton>(form, name))
            button->click();
    }
    QWidget* form(const QString& name) const { return m_fixture->child(name); }

    std::unique_ptr<test::MainWindowFixture> m_fixture;

    void learnYoga(int round)
    {
        m_fixture->window->selectProgram(Program::LearnYoga);
        // A different article each round, so over the rounds every one is written.
        const QList<ArticleId> articles = sectionArticles(Section::Information);
        m_fixture->window->learn().showArticle(articles.at(round % articles.size()));
        for (const char* lookup :
             {"cboAsanasByName", "cboAsanasByBodyPart", "cboAsanasByTherapeuticApplications"}) {
            auto* box = in<QComboBox>(m_fixture->window.get(), QString::fromLatin1(lookup));
            if (!box)
                return;
            const int index = round % box->count();
            box->setCurrentIndex(index);
            emit box->activated(index);
        }
        closeNextModal();
        m_fixture->window->showAbout();
    }

    void zodiacYoga(int round)
    {
        ZodiacResultWindow* display = test::openZodiacResult(
            *m_fixture->window, QStringLiteral("ANU RAO"), {round % 28 + 1, round % 12 + 1});
        QVERIFY(display);
        const QList<LinkLabel*> asanas =
            in(display, QStringLiteral("fraSelectYoga"))->findChildren<LinkLabel*>();
        for (LinkLabel* label : asanas) {
            if (label->isVisibleTo(display)) {
                QTest::mouseClick(label, Qt::LeftButton);
                click(display, QStringLiteral("cmdYogaBack"));
                break;
            }
        }
        QVERIFY(test::inZodiacReport(*display));
        display->backToInput();
        QTRY_VERIFY(!form(QStringLiteral("frmZodiacYogaDisplay")));
    }

    void chakraYoga()
    {
        // Every counting answer: each chakra comes out over-active and has asanas to show.
        QWidget* result =
            test::openChakraResult(*m_fixture->window, test::allChakras(), test::countingAnswer);
        QVERIFY(result);
        click(result, QStringLiteral("cmdYogaChakra"));
        QWidget* asanas = form(QStringLiteral("frmYogaChakra"));
        QVERIFY(asanas);
        click(asanas, QStringLiteral("cmdNext"));
        click(asanas, QStringLiteral("cmdBack"));
        click(form(QStringLiteral("frmChakraYogaMain")), QStringLiteral("cmdNav"));
    }

    void round(int n)
    {
        learnYoga(n);
        zodiacYoga(n);
        chakraYoga();
        m_fixture->window->closeChildWindows();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QCoreApplication::processEvents();
    }

private slots:
    void init() { test::failOnUnexpectedWarnings(); }

    void everyWindowOpenedAndClosedOverAndOver()
    {
        SingleInstance instance;
        QCOMPARE(instance.acquire(), SingleInstance::Outcome::Acquired);
        m_fixture = std::make_unique<test::MainWindowFixture>();

        round(0);
        QVERIFY(!QTest::currentTestFailed());
        const Census settled = census();
        qint64 settledMemory = 0;
        for (int n = 1; n < kRounds; ++n) {
            round(n);
            if (QTest::currentTestFailed())
                return;
            if (n == kSettledRound)
                settledMemory = bytesInUse();
        }
        QCOMPARE(census(), settled);
        QCOMPARE(m_fixture->window->findChildren<QMdiSubWindow*>().size(), 0);
        const qint64 grown = bytesInUse() - settledMemory;
        qInfo("%d rounds; memory in use after round %d: %lld KiB, grown since: %lld KiB", kRounds,
              kSettledRound, settledMemory / 1024, grown / 1024);
        if (kMeasureMemory)
            QVERIFY2(grown < 1024 * 1024, qPrintable(QString::number(grown)));
        // No round ran into an error message.
        QVERIFY(m_fixture->seams.desktop.messages.isEmpty());

        m_fixture.reset();
        QTRY_VERIFY(QApplication::topLevelWidgets().isEmpty());
    }

    void cleanupTestCase()
    {
        // The lock went with the instance that held it.
        QVERIFY(!QFile::exists(SingleInstance::lockPath()));
    }
};

TARVO_TEST_MAIN(tst_Soak)
#include "tst_soak.moc"
