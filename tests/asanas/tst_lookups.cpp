#include "app/MainWindow.h"
#include "learn/ArticleViewer.h"
#include "pictures/Pictures.h"
#include "report/RichTextBox.h"
#include "support/TestMain.h"
#include "support/WindowFixture.h"

#include <QComboBox>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>

using namespace tarvo;

class tst_Lookups : public QObject {
    Q_OBJECT

private:
    template <typename T = QWidget> T* find(const char* name) const
    {
        return m_fixture->window->findChild<T*>(QString::fromLatin1(name));
    }
    QString page() const { return m_fixture->window->articleViewer().richTextBox().toPlainText(); }
    void choose(const char* list, const QString& entry)
    {
        auto* box = find<QComboBox>(list);
        const int index = box->findText(entry);
        QVERIFY(index >= 0);
        box->setCurrentIndex(index);
        emit box->activated(index);
    }

    std::unique_ptr<test::MainWindowFixture> m_fixture;

private slots:
    void init()
    {
        test::failOnUnexpectedWarnings();
        m_fixture = std::make_unique<test::MainWindowFixture>(ProgramWindows{});
        m_fixture->window->selectProgram(Program::LearnYoga);
    }

    void cleanup()
    {
        m_fixture.reset();
        QTRY_VERIFY(QApplication::topLevelWidgets().isEmpty());
    }

    void kneesThirdResultShowsSimhasana()
    {
        QTest::mouseClick(find("Command3"), Qt::LeftButton);
        QVERIFY(find("Picture3")->isVisible());
        QVERIFY(page().startsWith(QStringLiteral("Ardhachandrasana\n")));
        choose("cboAsanasByBodyPart", QStringLiteral("Knees"));
        auto* results = find<QListWidget>("lstAsanasByBodyPart");
        QCOMPARE(results->count(), 6);
        QVERIFY(page().startsWith(QStringLiteral("Ardhamatsyendrasana\n")));
        QTest::mouseClick(results->viewport(), Qt::LeftButton, {},
                          results->visualItemRect(results->item(2)).center());
        QCOMPARE(results->currentItem()->text(), QStringLiteral("Simhasana"));
        QVERIFY(page().startsWith(QStringLiteral("Simhasana\n\nDescription: \n")));
        QVERIFY(page().contains(QStringLiteral("English Name: Lion Pose\n")));
        auto* picture = find<QLabel>("picYoga");
        const QImage expected = pictures::asanaPicture(QStringLiteral("Simhasana"), picture->size(),
                                                       picture->devicePixelRatioF());
        QCOMPARE(picture->pixmap().toImage(),
                 expected.convertToFormat(picture->pixmap().toImage().format()));
    }

    void armsAndAsthma()
    {
        m_fixture->window->toggleSection(Section::AsanasByBodyPart);
        choose("cboAsanasByBodyPart", QStringLiteral("Arms"));
        QCOMPARE(find<QListWidget>("lstAsanasByBodyPart")->count(), 1);
        QVERIFY(page().startsWith(QStringLiteral("Anjali Mudra\n")));
        m_fixture->window->toggleSection(Section::AsanasByApplication);
        QVERIFY(find("Picture4")->isVisible());
        QVERIFY(!find("Picture3")->isVisible());
        choose("cboAsanasByTherapeuticApplications", QStringLiteral("Asthma"));
        auto* results = find<QListWidget>("lstAsanasByTherapeuticApplications");
        QCOMPARE(results->count(), 13);
        QCOMPARE(results->item(0)->text(), QStringLiteral("Ardhamatsyendrasana"));
        QVERIFY(page().startsWith(QStringLiteral("Ardhamatsyendrasana\n")));
    }

    void byNameShowsTheFirstAsanaAndAnyChosenOne()
    {
        QTest::mouseClick(find("Command2"), Qt::LeftButton);
        QVERIFY(page().startsWith(QStringLiteral("Anjali Mudra\n")));
        choose("cboAsanasByName", QStringLiteral("Parvatasana"));
        QVERIFY(page().startsWith(QStringLiteral("Parvatasana\n")));
        QCOMPARE(page().count(QStringLiteral("Description: ")), 1);
    }
};

TARVO_TEST_MAIN(tst_Lookups)
#include "tst_lookups.moc"
