#include "chakra/ChakraAsanas.h"
#include "chakra/ChakraModel.h"
#include "chakra/ChakraQuestions.h"
#include "pictures/Pictures.h"
#include "support/TestMain.h"

#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QRegularExpression>
#include <QSet>

using namespace tarvo;

namespace {

const QString kCrLf = QStringLiteral("\r\n");

// Sentences end with a full stop, question or exclamation mark before a blank or the end.
int sentenceCount(const QString& text)
{
    static const QRegularExpression end(QStringLiteral("[.!?](\\s|$)"));
    return int(text.count(end));
}

bool isParagraph(const QString& text)
{
    return !text.trimmed().isEmpty() && !text.contains(u'\r') && !text.contains(u'\n')
           && text == text.trimmed();
}

// Items "1. ...", "2. ...", ... joined by single CR LF, with no break after the last.
QStringList numberedItems(const QString& text)
{
    return text.split(kCrLf);
}

} // namespace

class tst_ChakraContent final : public QObject {
    Q_OBJECT

private slots:
    void init() { tarvo::test::failOnUnexpectedWarnings(); }

    void chakraNames_data()
    {
        QTest::addColumn<int>("chakra");
        QTest::addColumn<QString>("fullName");
        QTest::addColumn<QString>("label");
        QTest::addColumn<QColor>("colour");
        QTest::addColumn<QString>("concentration");
        QTest::addColumn<QString>("chant");
        QTest::addRow("Root") << 0 << QStringLiteral("Root Chakra (Muladhara)")
                              << QStringLiteral("Root") << QColor(255, 0, 0) << QString()
                              << QStringLiteral("Chant the sound LAM.");
        QTest::addRow("Sacral")
            << 1 << QStringLiteral("Sacral Chakra (Swadhisthanna)") << QStringLiteral("Sacral")
            << QColor(255, 128, 0)
            << QStringLiteral(
                   "Concentrate on the Sacral Chakra at the sacral bone (on the lower back).")
            << QStringLiteral("Chant the sound VAM.");
        QTest::addRow("Navel")
            << 2 << QStringLiteral("Navel Chakra (Manipura)") << QStringLiteral("Navel")
            << QColor(255, 255, 0)
            << QStringLiteral(
                   "Concentrate on the Navel Chakra located on the spine, a bit above the "
                   "level of the navel.")
            << QStringLiteral("Chant the sound RAM.");
        QTest::addRow("Heart")
            << 3 << QStringLiteral("Heart Chakra (Anahata)") << QStringLiteral("Heart")
            << QColor(0, 128, 0)
            << QStringLiteral("Concentrate on the Heart Chakra at the spine, level with the heart.")
            << QStringLiteral(
                   "Chant the sound YAM (as this mudra is particularly powerful, this may "
                   "not be needed).");
        QTest::addRow("Throat")
            << 4 << QStringLiteral("Throat Chakra (Vishuddha)") << QStringLiteral("Throat")
            << QColor(0, 0, 255)
            << QStringLiteral("Concentrate on the Throat Chakra at the base of the throat.")
            << QStringLiteral("Chant the sound HAM.");
        QTest::addRow("Third Eye")
            << 5 << QStringLiteral("Third Eye Chakra (Ajna)") << QStringLiteral("Third Eye")
            << QColor(68, 51, 164)
            << QStringLiteral("Concentrate on the Third Eye Chakra slightly above the point "
                              "between the eyebrows.")
            << QStringLiteral("Chant the sound OM or AUM.");
        QTest::addRow("Crown") << 6 << QStringLiteral("Crown Chakra (Sahasrara)")
                               << QStringLiteral("Crown") << QColor(154, 100, 236)
                               << QStringLiteral(
                                      "Concentrate on the Crown Chakra at the top of your head.")
                               << QStringLiteral("Chant the sound NG.");
    }

    void chakraNames()
    {
        QFETCH(int, chakra);
        QFETCH(QString, fullName);
        QFETCH(QString, label);
        QFETCH(QColor, colour);
        QFETCH(QString, concentration);
        QFETCH(QString, chant);
        const ChakraInfo& info = chakraInfo(ChakraId(chakra));
        QCOMPARE(info.fullName, fullName);
        QCOMPARE(info.chartLabel, label);
        QCOMPARE(info.barColour, colour);
        QCOMPARE(info.concentrationText, concentration);
        QCOMPARE(info.chantText, chant);
        QCOMPARE(openingHeading(info),
                 QStringLiteral("This Chakra needs to be opened\r\n\r\nTo open %1 Chakra: \r\n\r\n")
                     .arg(label));

        // Every prose field is one paragraph of the stated length.
        QVERIFY(isParagraph(info.description));
        QVERIFY2(sentenceCount(info.description) >= 1 && sentenceCount(info.description) <= 2,
                 qPrintable(info.description));
        for (const QString& text : {info.openText, info.overActiveText, info.underActiveText}) {
            QVERIFY2(isParagraph(text), qPrintable(text));
            QVERIFY2(sentenceCount(text) >= 1 && sentenceCount(text) <= 3, qPrintable(text));
        }
        QVERIFY(isParagraph(info.mudraText));
        if (ChakraId(chakra) == ChakraId::Root) {
            QCOMPARE(
                info.mudraText,
                QStringLiteral("Touch the tips of your thumb and index together. Concentrate on "
                               "the Root Chakra at the spot in between the genitals and the "
                               "anus."));
        } else {
            QVERIFY2(sentenceCount(info.mudraText) >= 2 && sentenceCount(info.mudraText) <= 4,
                     qPrintable(info.mudraText));
        }
    }

    void introductionHasTwoParagraphs()
    {
        const QStringList paragraphs = chakraIntroduction().split(kCrLf + kCrLf);
        QCOMPARE(paragraphs.size(), 2);
        for (const QString& paragraph : paragraphs)
            QVERIFY(isParagraph(paragraph));
    }

    void asanaRecords_data()
    {
        QTest::addColumn<int>("index");
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("englishName");
        QTest::addColumn<int>("steps");
        QTest::addColumn<int>("benefitItems"); // 0 for one plain paragraph
        QTest::addColumn<bool>("cautions");
        QTest::addColumn<QString>("imageKey");
        struct Row {
            const char* name;
            const char* english;
            int steps;
            int benefits;
            bool cautions;
            const char* image;
        };
        const Row rows[] = {
            {"Mandukasana", "Frog Pose", 7, 4, true, "01Mandukasana.jpg"},
            {"Bhujangasana", "Half- Cobra Pose", 6, 0, true, "02Bhujangasana.jpg"},
            {"Mayurasana", "Feathered Peacock Pose", 6, 5, true, "03Mayurasana.jpg"},
            {"Dhanurasana", "Bow Pose", 8, 4, false, "04Dhanurasana.jpg"},
            {"Matsyasana", "Fish Pose", 7, 4, true, "05Matsyasana.jpg"},
            {"Yoga Mudra", "Scaling Pose", 6, 5, false, "06Yoga Mudra.jpg"},
            {"Ustrasana", "Camel Pose", 4, 3, false, "07Ustrasana.jpg"},
            {"Halasana", "Plough Posture", 5, 3, true, "08Halasana.jpg"},
            {"Sarvangasana", "Shoulder Stand Pose", 4, 6, true, "09Sarvangasana.jpg"},
            {"Ardhamatsyendrasana", "Twist Pose", 6, 4, false, "10Ardhamatsyendrasana.jpg"},
            {"Padmasana", "Lotus Pose", 6, 0, true, "11Padmasana.jpg"},
        };
        int index = 0;
        for (const Row& row : rows) {
            QTest::addRow("%s", row.name)
                << index++ << QString::fromLatin1(row.name) << QString::fromLatin1(row.english)
                << row.steps << row.benefits << row.cautions << QString::fromLatin1(row.image);
        }
    }

    void asanaRecords()
    {
        QFETCH(int, index);
        QFETCH(QString, name);
        QFETCH(QString, englishName);
        QFETCH(int, steps);
        QFETCH(int, benefitItems);
        QFETCH(bool, cautions);
        QFETCH(QString, imageKey);
        QCOMPARE(chakraYogaAsanas().size(), 11);
        const ChakraYogaAsana& asana = chakraYogaAsanas()[index];
        QCOMPARE(asana.name, name);
        QCOMPARE(asana.englishName, englishName);
        QCOMPARE(asana.imageKey, imageKey);
        QVERIFY(!pictures::chakraAsanaPicture(imageKey, QSize(250, 250)).isNull());

        QVERIFY(isParagraph(asana.description));
        QVERIFY2(sentenceCount(asana.description) >= 1 && sentenceCount(asana.description) <= 4,
                 qPrintable(asana.description));
        if (name == QStringLiteral("Yoga Mudra"))
            QCOMPARE(
                asana.description,
                QStringLiteral("The Scaling Pose is referred to as the Yoga Mudra in Sanskrit."));

        const QStringList procedure = numberedItems(asana.procedure);
        QCOMPARE(procedure.size(), steps);
        for (int i = 0; i < procedure.size(); ++i) {
            const QString& step = procedure[i];
            // Two steps are irregular on purpose: a lower-case "retain" and a double blank.
            QString prefix = QStringLiteral("%1. ").arg(i + 1);
            if (name == QStringLiteral("Dhanurasana") && i == 6)
                prefix += u' ';
            QVERIFY2(step.startsWith(prefix), qPrintable(step));
            QVERIFY2(step.size() > prefix.size() + 10, qPrintable(step));
            if (name == QStringLiteral("Mayurasana") && i == 5)
                QVERIFY2(step.mid(prefix.size()).startsWith(QStringLiteral("retain ")),
                         qPrintable(step));
            else
                QVERIFY2(step.at(prefix.size()).isUpper(), qPrintable(step));
            QVERIFY(!step.contains(u'\n') && !step.contains(u'\r') && step == step.trimmed());
        }

        if (benefitItems == 0) {
            QVERIFY(isParagraph(asana.benefits));
            QVERIFY(!asana.benefits.front().isDigit());
        } else {
            const QStringList items = numberedItems(asana.benefits);
            QCOMPARE(items.size(), benefitItems);
            for (int i = 0; i < items.size(); ++i) {
                QVERIFY2(items[i].startsWith(QStringLiteral("%1. ").arg(i + 1)),
                         qPrintable(items[i]));
                QVERIFY(items[i].size() > 8 && items[i] == items[i].trimmed());
            }
        }

        if (cautions)
            QVERIFY(isParagraph(asana.contradictions));
        else
            QCOMPARE(asana.contradictions, QString());
    }

    // The questionnaire's texts: one record per question, numbered 1..56, nothing else in them.
    void questionFileHoldsEveryQuestionOnce()
    {
        QFile file(QStringLiteral(":/content/chakra/questions.json"));
        QVERIFY(file.open(QIODevice::ReadOnly));
        const QJsonObject content = QJsonDocument::fromJson(file.readAll()).object();
        QCOMPARE(content.keys(), QStringList({QStringLiteral("questions")}));
        const QJsonArray records = content.value(QStringLiteral("questions")).toArray();
        QCOMPARE(records.size(), 56);
        QSet<int> numbers;
        for (const QJsonValue& value : records) {
            const QJsonObject record = value.toObject();
            QCOMPARE(record.keys(),
                     QStringList({QStringLiteral("number"), QStringLiteral("text")}));
            const int number = record.value(QStringLiteral("number")).toInt();
            QVERIFY2(number >= 1 && number <= 56, qPrintable(QString::number(number)));
            numbers.insert(number);
            const QString text = record.value(QStringLiteral("text")).toString();
            QVERIFY2(text.trimmed().endsWith(u'?'), qPrintable(text));
            QCOMPARE(chakraQuestion(number - 1).text, text);
        }
        QCOMPARE(numbers.size(), 56);
        QCOMPARE(records.first().toObject().value(QStringLiteral("text")).toString(),
                 QStringLiteral("Do you have a good sense of direction?"));
        QCOMPARE(records.last().toObject().value(QStringLiteral("text")).toString(),
                 QStringLiteral("Do you feel unattached from the real world?"));
    }
};

TARVO_TEST_MAIN(tst_ChakraContent)
#include "tst_chakracontent.moc"
