#include "asanas/AsanaCatalogue.h"
#include "asanas/PoseFacts.h"
#include "platform/ContentFile.h"
#include "support/ConditionPatterns.h"
#include "support/TestMain.h"
#include "zodiac/SunSign.h"
#include "zodiac/ZodiacAsanas.h"
#include "zodiac/ZodiacTexts.h"

#include <QJsonArray>
#include <QRegularExpression>

using namespace tarvo;

class tst_ZodiacContent : public QObject {
    Q_OBJECT

private slots:
    void init() { tarvo::test::failOnUnexpectedWarnings(); }
    void signProse_data();
    void signProse();
    void cellSalts();
    void elementProse_data();
    void elementProse();
    void fixedTexts();
    void asanaTexts_data();
    void asanaTexts();
};

namespace {

void checkBand(const QString& field, const QString& text, int low, int high)
{
    QVERIFY2(text.size() >= low && text.size() <= high,
             qPrintable(QStringLiteral("%1 has %2 characters").arg(field).arg(text.size())));
    QVERIFY2(!text.contains(u'\r') && !text.contains(u'\n'),
             qPrintable(field + QStringLiteral(" breaks a line")));
}

// Items numbered 1., 2. ... each on its own line, nothing after the last.
int numberedItems(const QString& text)
{
    const QStringList items = text.split(QStringLiteral("\r\n"));
    for (qsizetype i = 0; i < items.size(); ++i) {
        const QString prefix = QString::number(i + 1) + QStringLiteral(". ");
        if (!items.at(i).startsWith(prefix) || items.at(i).size() <= prefix.size())
            return -1;
        if (items.at(i).contains(u'\n') || items.at(i).contains(u'\r'))
            return -1;
    }
    return int(items.size());
}

} // namespace

void tst_ZodiacContent::signProse_data()
{
    QTest::addColumn<int>("sign");
    QTest::addColumn<int>("famous");
    const int counts[] = {5, 5, 5, 5, 6, 5, 5, 5, 7, 7, 5, 5};
    for (int i = 0; i < kSunSignCount; ++i)
        QTest::addRow("%s", qPrintable(signName(static_cast<SunSign>(i)))) << i << counts[i];
}

void tst_ZodiacContent::signProse()
{
    QFETCH(int, sign);
    QFETCH(int, famous);
    const SunSignProfile& p = sunSignProfile(static_cast<SunSign>(sign));
    const QStringList people = p.famousPeople.split(QStringLiteral(", "));
    QCOMPARE(people.size(), famous);
    for (const QString& person : people)
        QVERIFY(!person.trimmed().isEmpty());
    QVERIFY(!p.famousPeople.endsWith(u'.'));
    checkBand(QStringLiteral("positive traits"), p.positiveTraits, 330, 1000);
    checkBand(QStringLiteral("negative traits"), p.negativeTraits, 330, 1000);
    static const QRegularExpression you(QStringLiteral("\\byou(r)?\\b"),
                                        QRegularExpression::CaseInsensitiveOption);
    QVERIFY(p.positiveTraits.contains(you));
    QVERIFY(p.negativeTraits.contains(you));
    checkBand(QStringLiteral("health problems"), p.healthProblems, 180, 500);
    checkBand(QStringLiteral("required diet"), p.requiredDiet, 150, 600);
    checkBand(QStringLiteral("diet to avoid"), p.dietToAvoid, 35, 190);
    checkBand(QStringLiteral("diet advice"), p.dietAdvice, 35, 190);
    checkBand(QStringLiteral("fitness advice"), p.fitnessAdvice, 350, 560);
}

void tst_ZodiacContent::cellSalts()
{
    int named = 0;
    for (int i = 0; i < kSunSignCount; ++i)
        named +=
            sunSignProfile(static_cast<SunSign>(i)).requiredDiet.contains(u"cell salt") ? 1 : 0;
    QCOMPARE(named, 8);
    QVERIFY(sunSignProfile(SunSign::Taurus).requiredDiet.contains(u"sodium sulfate"));
}

void tst_ZodiacContent::elementProse_data()
{
    QTest::addColumn<QString>("element");
    QTest::addColumn<QString>("governs");
    QTest::addRow("Fire") << "Fire"
                          << "digestion";
    QTest::addRow("Air") << "Air"
                         << "nervous system";
    QTest::addRow("Water") << "Water"
                           << "lymphatic";
    QTest::addRow("Earth") << "Earth"
                           << "skeletal";
}

void tst_ZodiacContent::elementProse()
{
    QFETCH(QString, element);
    QFETCH(QString, governs);
    const auto c = constitutionTypeProfile(element);
    QVERIFY(c);
    checkBand(QStringLiteral("description"), c->description, 220, 350);
    QVERIFY(c->description.contains(governs));
    checkBand(QStringLiteral("excess description"), c->excessDescription, 170, 330);
    checkBand(QStringLiteral("low description"), c->lowDescription, 170, 330);
}

void tst_ZodiacContent::fixedTexts()
{
    const QString intro = zodiacIntroduction();
    checkBand(QStringLiteral("introduction"), intro, 150, 600);
    QVERIFY(intro.contains(u"Tarvo Zodiac Yoga"));
    QVERIFY(intro.contains(u"date of birth"));
    const QStringList paragraphs = yogaAsanasTabParagraphs();
    QCOMPARE(paragraphs.size(), 4);
    for (const QString& paragraph : paragraphs)
        checkBand(QStringLiteral("Yoga Asanas tab"), paragraph, 150, 600);
    QVERIFY(paragraphs.last().contains(u"beginners"));
}

void tst_ZodiacContent::asanaTexts_data()
{
    QTest::addColumn<int>("index");
    QTest::addColumn<int>("steps");
    QTest::addColumn<int>("benefits"); // 0: one paragraph
    const int steps[] = {4, 5, 4, 5, 6, 8, 6, 7, 6, 6, 6, 5, 6, 6};
    const int benefits[] = {4, 3, 5, 3, 0, 4, 0, 4, 5, 3, 5, 0, 3, 0};
    for (int i = 1; i <= kZodiacAsanaCount; ++i)
        QTest::addRow("%s", qPrintable(zodiacAsanaName(i))) << i << steps[i - 1] << benefits[i - 1];
}

void tst_ZodiacContent::asanaTexts()
{
    QFETCH(int, index);
    QFETCH(int, steps);
    QFETCH(int, benefits);
    const ZodiacAsanaRecord& r = zodiacAsana(index);
    QVERIFY(!r.englishName.isEmpty());
    checkBand(QStringLiteral("definition"), r.definition, 40, 400);
    if (index == 9 || index == 14) {
        static const QRegularExpression sentenceEnd(QStringLiteral("[.!?](\\s|$)"));
        QCOMPARE(r.definition.count(sentenceEnd), 1);
    }
    QCOMPARE(numberedItems(r.procedure), steps);
    if (benefits > 0) {
        QCOMPARE(numberedItems(r.benefits), benefits);
    } else {
        checkBand(QStringLiteral("benefits"), r.benefits, 100, 600);
        QVERIFY(!r.benefits.startsWith(u"1. "));
    }
    checkBand(QStringLiteral("contradictions"), r.contradictions, 60, 300);

    // The steps are the library's, and a caution is said once: where the record words its own
    // contradiction, its procedure leaves out the library's sentences that rule the pose out.
    const auto library = std::find_if(
        loadAsanaCatalogue().cbegin(), loadAsanaCatalogue().cend(),
        [&](const AsanaRecord& record) { return record.englishName == r.englishName; });
    QVERIFY(library != loadAsanaCatalogue().cend());
    const QStringList librarySteps = test::sentencesOf(library->procedure);
    QStringList ruleOut;
    for (const ConditionNote& note : poseFacts(library->name)->notes) {
        if (note.advice == Advice::Avoid)
            ruleOut.append(note.sentence);
    }
    for (const QString& sentence : test::sentencesOf(r.procedure)) {
        QVERIFY2(librarySteps.contains(sentence), qPrintable(sentence));
        if (r.contradictions != library->contradictions)
            QVERIFY2(!ruleOut.contains(sentence),
                     qPrintable(QStringLiteral("said twice: ") + sentence));
    }
}

TARVO_TEST_MAIN(tst_ZodiacContent)
#include "tst_zodiaccontent.moc"
