#include "asanas/AsanaCatalogue.h"
#include "asanas/PoseFacts.h"
#include "support/TestMain.h"

#include <QDir>
#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QRegularExpression>

using namespace tarvo;

namespace {

// Every file of prose the team writes; the questions and the lookup names are given word for
// word, and the search synonyms are other spellings on purpose.
const char* const kProseFiles[] = {
    "asanas/catalogue.json", "asanas/practice.json", "zodiac/asanas.json", "zodiac/signs.json",
    "zodiac/texts.json",     "zodiac/elements.json", "chakra/asanas.json", "chakra/chakras.json",
    "learn/articles.json",   "app/texts.json",
};

// Fields that hold given names and headings, which stay as they are even where they spell a
// pose another way ("Savasana" on a Zodiac label).
const QStringList kGivenFields = {
    "name",    "englishName", "title", "button",    "imageKey",          "sign",
    "element", "chakra",      "same",  "chantText", "concentrationText", "famousPeople"};

struct Rule {
    const char* problem;
    const char* pattern;
    QRegularExpression::PatternOptions options;
};

const Rule kRules[] = {
    {"claims a cure", R"(\bcur(e|es|ed|ing)\b)", QRegularExpression::CaseInsensitiveOption},
    {"tones glands", R"(\btones?\b[^.;:]*\bglands?\b)", QRegularExpression::CaseInsensitiveOption},
    {"reduces fat in one spot", R"(\breduc\w* (the )?fat\b|\btrims? the waist)",
     QRegularExpression::CaseInsensitiveOption},
    // "Pranayam" names a section of the navigation; the practice itself is pranayama.
    {"spells a pose another way",
     R"(\b(Savasana|Paschimottasana|Naukasana|Navasana)\b|\bpranayam\b|Parvatasana \((Inverted|Downward))",
     QRegularExpression::NoPatternOption},
    {"spells the American way",
     R"(\b(color|center|fiber|favor|behavior|honor|judgment|anemia|hemorrh|plow)\w*|\bpractic(ed|ing)\b)",
     QRegularExpression::CaseInsensitiveOption},
};

QStringList problemsOf(const QString& text)
{
    QStringList problems;
    for (const Rule& rule : kRules) {
        if (QRegularExpression(QString::fromUtf8(rule.pattern), rule.options)
                .match(text)
                .hasMatch())
            problems.append(QString::fromLatin1(rule.problem));
    }
    return problems;
}

// A learner's way in: one to three sentences.
QStringList easierProblemsOf(const QString& text)
{
    static const QRegularExpression sentenceEnd(QStringLiteral("[.!?](\\s|$)"));
    const qsizetype sentences = text.count(sentenceEnd);
    if (text.trimmed().isEmpty())
        return {QStringLiteral("no Make it easier text")};
    if (sentences < 1 || sentences > 3)
        return {QStringLiteral("Make it easier runs to %1 sentences").arg(sentences)};
    return {};
}

QJsonObject contentFile(const QString& relativePath)
{
    QFile file(QStringLiteral(TARVO_CONTENT_DIR "/") + relativePath);
    if (!file.open(QIODevice::ReadOnly))
        return {};
    return QJsonDocument::fromJson(file.readAll()).object();
}

// One row per text the team wrote, named by its file and its place in it.
void addProseRows(const QString& place, const QJsonValue& value)
{
    if (value.isString()) {
        QTest::addRow("%s", qPrintable(place)) << value.toString() << false << QString();
    } else if (value.isArray()) {
        const QJsonArray array = value.toArray();
        for (qsizetype i = 0; i < array.size(); ++i)
            addProseRows(place + u'/' + QString::number(i), array[i]);
    } else if (value.isObject()) {
        const QJsonObject object = value.toObject();
        // An article's sub-headings and lead lines are given; its body is ours.
        if (object.contains(u"style") && object.value(u"style").toString() != u"BodyText")
            return;
        for (auto it = object.begin(); it != object.end(); ++it) {
            if (!kGivenFields.contains(it.key()) && it.key() != u"style")
                addProseRows(place + u'/' + it.key(), it.value());
        }
    }
}

} // namespace

class tst_TeachingTexts : public QObject {
    Q_OBJECT

private slots:
    void init() { test::failOnUnexpectedWarnings(); }

    // What a teacher would sign: benefits worded as help, one name for each pose, British
    // spelling, and a gentler way into every pose of the library.
    void aTeacherWouldSignIt_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<bool>("easier");
        QTest::addColumn<QString>("problem");
        for (const char* file : kProseFiles) {
            const QJsonObject object = contentFile(QString::fromLatin1(file));
            QVERIFY2(!object.isEmpty(), file);
            addProseRows(QString::fromLatin1(file), object);
        }
        const QDir poses(QStringLiteral(TARVO_CONTENT_DIR "/poses"));
        for (const QString& file : poses.entryList({QStringLiteral("*.json")}, QDir::Files))
            addProseRows(QStringLiteral("poses/") + file,
                         contentFile(QStringLiteral("poses/") + file).value(u"description"));
        QCOMPARE(allPoseFacts().size(), loadAsanaCatalogue().size());
        for (const AsanaRecord& record : loadAsanaCatalogue()) {
            const PoseFacts* facts = poseFacts(record.name);
            QTest::addRow("easier %s", qPrintable(record.name))
                << (facts ? facts->easier : QString()) << true << QString();
        }

        // The test itself: each fault planted once.
        QTest::addRow("planted cure") << "Cures asthma within weeks." << false << "claims a cure";
        QTest::addRow("planted glands")
            << "Tones the thyroid and adrenal glands." << false << "tones glands";
        QTest::addRow("planted fat")
            << "Reduces fat around the waist." << false << "reduces fat in one spot";
        QTest::addRow("planted spelling")
            << "End the session in Savasana." << false << "spells a pose another way";
        QTest::addRow("planted no easier") << "" << true << "no Make it easier text";
    }

    void aTeacherWouldSignIt()
    {
        QFETCH(QString, text);
        QFETCH(bool, easier);
        QFETCH(QString, problem);
        const QStringList problems =
            easier ? easierProblemsOf(text) + problemsOf(text) : problemsOf(text);
        if (problem.isEmpty())
            QVERIFY2(problems.isEmpty(),
                     qPrintable(problems.join(u", ") + QStringLiteral(": ") + text));
        else
            QVERIFY2(problems.contains(problem), qPrintable(problems.join(u", ")));
    }
};

TARVO_TEST_MAIN(tst_TeachingTexts)
#include "tst_teachingtexts.moc"
