#include "zodiac/ZodiacPages.h"

#include "zodiac/ZodiacAsanas.h"
#include "zodiac/ZodiacTexts.h"

namespace tarvo {

namespace {

enum Colour { Black = 0, Navy = 1, Purple = 5 };

const QString kLine = QStringLiteral("\r\n");
const QString kParagraph = QStringLiteral("\r\n\r\n");

void title(RichReport& report, const QString& text)
{
    report.setFontSize(12);
    report.setBold(true);
    report.setColour(Purple);
    report.append(text + kParagraph);
    report.setFontSize(zodiacReportAttributes().fontSize);
}

void heading(RichReport& report, const QString& text)
{
    report.setBold(true);
    report.setColour(Navy);
    report.append(text + kLine);
}

void body(RichReport& report, const QString& text)
{
    report.setBold(false);
    report.setColour(Black);
    report.append(text + kParagraph);
}

// A caption and its value on one line, as the window's caption and label pairs read.
void pair(RichReport& report, const QString& caption, const QString& value)
{
    report.setBold(true);
    report.setColour(Navy);
    report.append(caption + QStringLiteral(": "));
    report.setBold(false);
    report.setColour(Black);
    report.append(value + kLine);
}

void section(RichReport& report, const QString& caption, const QString& text)
{
    heading(report, caption);
    body(report, text);
}

void characteristics(RichReport& report, const ZodiacDisplayFields& f)
{
    title(report, QStringLiteral("Sun Sign Characteristics"));
    pair(report, QStringLiteral("Your Sun Sign"), f.sunSign);
    pair(report, QStringLiteral("Element"), f.element);
    pair(report, QStringLiteral("Lucky Number"), f.luckyNumber);
    pair(report, QStringLiteral("Lucky Color"), f.luckyColour);
    pair(report, QStringLiteral("Lucky Day"), f.luckyDay);
    pair(report, QStringLiteral("Compatibility"), f.compatibility);
    pair(report, QStringLiteral("Birthstone"), f.birthStone);
    pair(report, QStringLiteral("Quality"), f.quality);
    report.append(kLine);
    section(report, QStringLiteral("Famous Personalities born under this sign"), f.famousPeople);
    section(report, QStringLiteral("Positive Traits"), f.positiveTraits);
    section(report, QStringLiteral("Negative Traits"), f.negativeTraits);
}

void state(RichReport& report, const QString& which, const QString& element,
           const QString& description, const QString& taken, const QString& avoid,
           const QString& remedy)
{
    heading(report, which + u' ' + element);
    body(report, description);
    pair(report, QStringLiteral("Items to be taken"), taken);
    pair(report, QStringLiteral("Items to Avoid"), avoid);
    pair(report, QStringLiteral("Remedy"), remedy);
    report.append(kLine);
}

void diet(RichReport& report, const ZodiacDisplayFields& f)
{
    title(report, QStringLiteral("Sun Sign and Diet"));
    pair(report, QStringLiteral("Your Sun Sign"), f.yourSunSign);
    pair(report, QStringLiteral("Body Part Ruled By Sun Sign"), f.bodyPart);
    report.append(kLine);
    section(report, QStringLiteral("Health Problems"), f.healthProblems);
    section(report, QStringLiteral("Required Diet"), f.requiredDiet);
    section(report, QStringLiteral("Diet to Avoid"), f.dietToAvoid);
    section(report, QStringLiteral("Diet Advice"), f.dietAdvice);
    pair(report, QStringLiteral("Constitution Type"), f.constitutionType);
    body(report, f.constitutionDescription);
    state(report, QStringLiteral("Excess"), f.excess, f.excessDescription, f.excessItemsToBeTaken,
          f.excessItemsToAvoid, f.excessRemedy);
    state(report, QStringLiteral("Low"), f.low, f.lowDescription, f.lowItemsToBeTaken,
          f.lowItemsToAvoid, f.lowRemedy);
    if (!f.herbCaution.isEmpty())
        body(report, f.herbCaution);
}

void fitness(RichReport& report, const ZodiacDisplayFields& f)
{
    title(report, QStringLiteral("Sun Sign and Fitness"));
    heading(report, QStringLiteral("Fitness Characteristics"));
    QString phrases;
    // In the window's reading order: left column, then right, row by row.
    for (const QString* phrase : {&f.athletic, &f.endurance, &f.flexibility, &f.focus, &f.motivated,
                                  &f.routine, &f.teamWork, &f.variety}) {
        if (!phrase->isEmpty())
            phrases += *phrase + kLine;
    }
    report.setBold(false);
    report.setColour(Black);
    report.append(phrases + kLine);
    section(report, QStringLiteral("Fitness Advice"), f.fitnessAdvice);
}

void yogaAsanas(RichReport& report, SunSign sign)
{
    title(report, QStringLiteral("Yoga Asanas"));
    for (const QString& paragraph : yogaAsanasTabParagraphs())
        body(report, paragraph);
    heading(report, QStringLiteral("Recommended Yoga Asanas For ") + signName(sign));
    QString names;
    for (const AsanaRecommendation& asana : recommendedAsanas(sign))
        names += zodiacAsanaName(asana.index) + kLine;
    body(report, names.trimmed());
}

} // namespace

QString zodiacPageTitle(ZodiacPage page, SunSign sign)
{
    switch (page) {
    case ZodiacPage::Characteristics:
        return signName(sign) + QStringLiteral(": Sun Sign Characteristics");
    case ZodiacPage::Diet:
        return signName(sign) + QStringLiteral(": Sun Sign and Diet");
    case ZodiacPage::Fitness:
        return signName(sign) + QStringLiteral(": Sun Sign and Fitness");
    case ZodiacPage::Asanas:
        return signName(sign) + QStringLiteral(": Yoga Asanas");
    }
    return signName(sign);
}

RichReport zodiacPageReport(ZodiacPage page, const ZodiacDisplayFields& fields, SunSign sign)
{
    RichReport report(zodiacReportAttributes());
    switch (page) {
    case ZodiacPage::Characteristics:
        characteristics(report, fields);
        break;
    case ZodiacPage::Diet:
        diet(report, fields);
        break;
    case ZodiacPage::Fitness:
        fitness(report, fields);
        break;
    case ZodiacPage::Asanas:
        yogaAsanas(report, sign);
        break;
    }
    return report;
}

RichReport zodiacAsanaPageReport(int index)
{
    const ZodiacAsanaRecord& record = zodiacAsana(index);
    RichReport report(zodiacReportAttributes());
    title(report, zodiacAsanaName(index));
    pair(report, QStringLiteral("English Name"), record.englishName);
    report.append(kLine);
    body(report, record.definition);
    if (!record.contradictions.isEmpty())
        section(report, QStringLiteral("Contradictions"), record.contradictions);
    section(report, QStringLiteral("Procedure"), record.procedure);
    heading(report, QStringLiteral("Benefits"));
    report.setBold(false);
    report.setColour(Black);
    report.append(record.benefits);
    return report;
}

} // namespace tarvo
