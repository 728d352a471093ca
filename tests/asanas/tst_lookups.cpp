#include "app/MainWindow.h"
#include "learn/ArticleViewer.h"
#include "learn/LearnFlow.h"
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
    QString page() const
    {
        return m_fixture->window->learn().articleViewer().richTextBox().toPlainText();
    }
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
        // Kneeling asks care of a knee injury, which the Knees page names.
        QCOMPARE(results->currentItem()->text(),
                 QStringLiteral("Simhasana\n\u26a0 Take care with Knee injury: Those with knee or "
                                "ankle injuries should sit on a chair or a cushion instead of "
                                "kneeling."));
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
        m_fixture->window->learn().toggleSection(Section::AsanasByBodyPart);
        choose("cboAsanasByBodyPart", QStringLiteral("Arms"));
        QCOMPARE(find<QListWidget>("lstAsanasByBodyPart")->count(), 1);
        QVERIFY(page().startsWith(QStringLiteral("Anjali Mudra\n")));
        m_fixture->window->learn().toggleSection(Section::AsanasByApplication);
        QVERIFY(find("Picture4")->isVisible());
        QVERIFY(!find("Picture3")->isVisible());
        choose("cboAsanasByTherapeuticApplications", QStringLiteral("Asthma"));
        auto* results = find<QListWidget>("lstAsanasByTherapeuticApplications");
        QCOMPARE(results->count(), 13);
        QCOMPARE(results->item(0)->text(), QStringLiteral("Ardhamatsyendrasana"));
        QVERIFY(page().startsWith(QStringLiteral("Ardhamatsyendrasana\n")));
    }

    // A page about a condition marks each listed pose whose text gives a caution for it.
    void conditionPagesMarkTheirPoses_data()
    {
        QTest::addColumn<QString>("combo");
        QTest::addColumn<QString>("list");
        QTest::addColumn<QString>("entry");
        QTest::addColumn<QStringList>("marked");
        QTest::addColumn<QString>("note");
        const QString byApplication = QStringLiteral("cboAsanasByTherapeuticApplications");
        const QString applicationList = QStringLiteral("lstAsanasByTherapeuticApplications");
        QTest::addRow("migraine") << byApplication << applicationList << "Migraine"
                                  << QStringList{"Dhanurasana", "Sarvangasana"}
                                  << "give a caution for migraine or headache";
        QTest::addRow("back pain")
            << byApplication << applicationList << "Back Pain" << QStringList{"Ardhamatsyendrasana",
                                                                              "Bhujangasana",
                                                                              "Dhanurasana",
                                                                              "Halasana",
                                                                              "Matsyasana",
                                                                              "Pavanamuktasana",
                                                                              "Shalabhasana",
                                                                              "Shavasana",
                                                                              "Ustrasana"}
            << "back problems or slipped disc";
        QTest::addRow("pregnancy, with the gentler seats")
            << byApplication << applicationList << "Pregnancy" << QStringList{"Padmasana"}
            << "or stand in Tadasana with the feet hip-width apart";
        QTest::addRow("asthma, no condition")
            << byApplication << applicationList << "Asthma" << QStringList{} << "";
        QTest::addRow("neck") << QStringLiteral("cboAsanasByBodyPart")
                              << QStringLiteral("lstAsanasByBodyPart") << "Neck"
                              << QStringList{"Dhanurasana", "Matsyasana", "Shalabhasana",
                                             "Ustrasana"}
                              << "read each asana's cautions";
        QTest::addRow("arms") << QStringLiteral("cboAsanasByBodyPart")
                              << QStringLiteral("lstAsanasByBodyPart") << "Arms" << QStringList{}
                              << "read each asana's cautions";
    }

    void conditionPagesMarkTheirPoses()
    {
        QFETCH(QString, combo);
        QFETCH(QString, list);
        QFETCH(QString, entry);
        QFETCH(QStringList, marked);
        QFETCH(QString, note);
        m_fixture->window->learn().toggleSection(
            combo.contains(u"Body") ? Section::AsanasByBodyPart : Section::AsanasByApplication);
        choose(qPrintable(combo), entry);
        auto* results = m_fixture->window->findChild<QListWidget*>(list);
        QStringList found;
        for (int i = 0; i < results->count(); ++i) {
            const QStringList lines = results->item(i)->text().split(u'\n');
            if (lines.size() > 1)
                found.append(lines.first());
        }
        QCOMPARE(found, marked);
        const auto* label = m_fixture->window->findChild<QLabel*>(
            combo.contains(u"Body") ? QStringLiteral("lblBodyPartCaution")
                                    : QStringLiteral("lblApplicationCaution"));
        QVERIFY2(label->text().contains(note), qPrintable(label->text()));
        QCOMPARE(!label->isHidden(), !note.isEmpty());
        m_fixture->shot(QStringLiteral("lookup-") + QString::fromLatin1(QTest::currentDataTag()));
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
