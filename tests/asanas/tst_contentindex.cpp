#include "contentindex/ContentIndex.h"
#include "support/TestMain.h"

#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

using namespace tarvo;

namespace {

// The source tree's content, read directly: the index must agree with it, not with itself.
QJsonObject sourceFile(const QString& relativePath)
{
    QFile file(QStringLiteral(TARVO_CONTENT_DIR "/") + relativePath);
    if (!file.open(QIODevice::ReadOnly))
        return {};
    return QJsonDocument::fromJson(file.readAll()).object();
}

QJsonArray sourceArray(const QString& relativePath, const QString& key)
{
    return sourceFile(relativePath).value(key).toArray();
}

} // namespace

// The names start-up shows come from an index generated from content at build time.
class tst_ContentIndex final : public QObject {
    Q_OBJECT

private slots:
    void init() { test::failOnUnexpectedWarnings(); }

    void asanasAreTheCatalogueInOrder()
    {
        const QList<contentindex::Asana>& asanas = contentindex::asanas();
        QCOMPARE(contentindex::kAsanaCount, 32);
        QCOMPARE(asanas.size(), 32);
        QCOMPARE(asanas.first().number, 1);
        QCOMPARE(asanas.first().name, QStringLiteral("Anjali Mudra"));
        QCOMPARE(asanas.first().poseFile, QStringLiteral(":/content/poses/AnjaliMudra.json"));
        QCOMPARE(asanas.at(15).name, QStringLiteral("Parvatasana"));
        QCOMPARE(asanas.last().number, 32);
        QCOMPARE(asanas.last().name, QStringLiteral("Yoga Mudra"));
        QCOMPARE(asanas.last().poseFile, QStringLiteral(":/content/poses/YogaMudra.json"));

        const QJsonArray catalogue =
            sourceArray(QStringLiteral("asanas/catalogue.json"), QStringLiteral("asanas"));
        QCOMPARE(catalogue.size(), asanas.size());
        for (int i = 0; i < asanas.size(); ++i) {
            const QJsonObject record = catalogue.at(i).toObject();
            QCOMPARE(asanas.at(i).number, record.value(QStringLiteral("number")).toInt());
            QCOMPARE(asanas.at(i).name, record.value(QStringLiteral("name")).toString());
        }
    }

    // Each pose file the index names is compiled in and holds that asana's pose.
    void poseFilesHoldTheirAsana()
    {
        for (const contentindex::Asana& asana : contentindex::asanas()) {
            QFile file(asana.poseFile);
            QVERIFY2(file.open(QIODevice::ReadOnly), qPrintable(asana.poseFile));
            const QJsonObject record = QJsonDocument::fromJson(file.readAll()).object();
            QCOMPARE(record.value(QStringLiteral("name")).toString(), asana.name);
        }
        QCOMPARE(QDir(QStringLiteral(TARVO_CONTENT_DIR "/poses")).entryList(QDir::Files).size(),
                 32);
    }

    void noContentFileNameHasABlank()
    {
        int files = 0;
        QDirIterator it(QStringLiteral(TARVO_CONTENT_DIR), QDir::Files,
                        QDirIterator::Subdirectories);
        while (it.hasNext()) {
            const QString name = it.next();
            QVERIFY2(!it.fileName().contains(u' '), qPrintable(name));
            ++files;
        }
        QCOMPARE(files, 46);
    }

    void lookupsAgreeWithTheirContentFile_data()
    {
        QTest::addColumn<int>("which");
        QTest::addColumn<QString>("key");
        QTest::addColumn<int>("count");
        QTest::addColumn<QString>("first");
        QTest::addColumn<QList<int>>("firstAsanas");
        QTest::addColumn<QString>("last");
        QTest::addColumn<QList<int>>("lastAsanas");
        QTest::addRow("body parts")
            << 0 << QStringLiteral("bodyParts") << 36 << QStringLiteral("Abdomen")
            << QList<int>{2, 4, 5, 8, 12, 15, 23, 25, 27, 30} << QStringLiteral("Wrists")
            << QList<int>{1, 5};
        QTest::addRow("applications")
            << 1 << QStringLiteral("applications") << 31 << QStringLiteral("Anxiety")
            << QList<int>{1, 2, 5, 11, 12, 13, 15, 17, 27, 28} << QStringLiteral("Varicose Veins")
            << QList<int>{12, 18, 19, 21, 25};
    }
    void lookupsAgreeWithTheirContentFile()
    {
        QFETCH(int, which);
        QFETCH(QString, key);
        QFETCH(int, count);
        QFETCH(QString, first);
        QFETCH(QList<int>, firstAsanas);
        QFETCH(QString, last);
        QFETCH(QList<int>, lastAsanas);
        const QList<contentindex::Lookup>& lookups =
            which == 0 ? contentindex::bodyParts() : contentindex::applications();
        QCOMPARE(which == 0 ? contentindex::kBodyPartCount : contentindex::kApplicationCount,
                 count);
        QCOMPARE(lookups.size(), count);
        QCOMPARE(lookups.first().name, first);
        QCOMPARE(lookups.first().asanas, firstAsanas);
        QCOMPARE(lookups.last().name, last);
        QCOMPARE(lookups.last().asanas, lastAsanas);

        // The file names asanas; the index holds their catalogue numbers.
        const QJsonArray catalogue =
            sourceArray(QStringLiteral("asanas/catalogue.json"), QStringLiteral("asanas"));
        const QJsonArray records = sourceArray(QStringLiteral("asanas/lookups.json"), key);
        QCOMPARE(records.size(), count);
        for (int i = 0; i < records.size(); ++i) {
            const QJsonObject record = records.at(i).toObject();
            QCOMPARE(record.keys(),
                     QStringList({QStringLiteral("asanas"), QStringLiteral("name")}));
            QCOMPARE(lookups.at(i).name, record.value(QStringLiteral("name")).toString());
            QStringList named;
            for (int number : lookups.at(i).asanas)
                named.append(
                    catalogue.at(number - 1).toObject().value(QStringLiteral("name")).toString());
            QStringList listed;
            for (const QJsonValue& asana : record.value(QStringLiteral("asanas")).toArray())
                listed.append(asana.toString());
            QCOMPARE(named, listed);
        }
    }

    void articleCaptionsAreTheTitles()
    {
        const QList<contentindex::Article>& articles = contentindex::articles();
        QCOMPARE(contentindex::kArticleCount, 21);
        QCOMPARE(articles.size(), 21);
        QCOMPARE(articles.first().button, QStringLiteral("Command11"));
        QCOMPARE(articles.first().caption, QStringLiteral("What Is Yoga ?"));
        QCOMPARE(articles.at(12).caption, QStringLiteral("Importance && Benefits Of Pranayam"));
        QCOMPARE(articles.last().button, QStringLiteral("Command74"));
        QCOMPARE(articles.last().caption, QStringLiteral("People Who Should Not Practice"));

        const QJsonArray records =
            sourceArray(QStringLiteral("learn/articles.json"), QStringLiteral("articles"));
        QCOMPARE(records.size(), articles.size());
        for (int i = 0; i < records.size(); ++i) {
            const QJsonObject record = records.at(i).toObject();
            QCOMPARE(articles.at(i).button, record.value(QStringLiteral("button")).toString());
            QCOMPARE(articles.at(i).caption, record.value(QStringLiteral("title")).toString());
        }
    }

    void zodiacAsanasAreTheirCatalogueInOrder()
    {
        const QList<contentindex::ZodiacAsana>& asanas = contentindex::zodiacAsanas();
        QCOMPARE(contentindex::kZodiacAsanaCount, 14);
        QCOMPARE(asanas.size(), 14);
        QCOMPARE(asanas.first().index, 1);
        QCOMPARE(asanas.first().name, QStringLiteral("Sarvangasana"));
        QCOMPARE(asanas.first().englishName, QStringLiteral("Shoulder Stand Pose"));
        QCOMPARE(asanas.at(6).englishName, QStringLiteral("Half- Cobra Pose"));
        QCOMPARE(asanas.last().index, 14);
        QCOMPARE(asanas.last().name, QStringLiteral("Garudasana"));
        QCOMPARE(asanas.last().englishName, QStringLiteral("Eagle Pose"));

        const QJsonArray records =
            sourceArray(QStringLiteral("zodiac/asanas.json"), QStringLiteral("asanas"));
        QCOMPARE(records.size(), asanas.size());
        for (int i = 0; i < records.size(); ++i) {
            const QJsonObject record = records.at(i).toObject();
            QCOMPARE(asanas.at(i).index, record.value(QStringLiteral("index")).toInt());
            QCOMPARE(asanas.at(i).name, record.value(QStringLiteral("name")).toString());
            QCOMPARE(asanas.at(i).englishName,
                     record.value(QStringLiteral("englishName")).toString());
        }
    }
};

TARVO_TEST_MAIN(tst_ContentIndex)
#include "tst_contentindex.moc"
