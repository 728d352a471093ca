#include "search/SearchDocuments.h"

#include "asanas/AsanaCatalogue.h"
#include "chakra/ChakraAsanas.h"
#include "chakra/ChakraModel.h"
#include "learn/ArticleCatalogue.h"
#include "platform/ContentFile.h"
#include "zodiac/SunSign.h"
#include "zodiac/ZodiacAsanas.h"
#include "zodiac/ZodiacReport.h"

#include <QHash>
#include <QMetaEnum>

namespace tarvo::search {

namespace {

const QString kDot = QStringLiteral(" \u00b7 ");
const QString kArrow = QStringLiteral(" \u203a ");

// The Learn Yoga sections that hold articles.
constexpr Section kArticleSections[] = {Section::Information, Section::Meditation,
                                        Section::Pranayam, Section::SuryaNamaskar};

QString place(std::initializer_list<QString> parts)
{
    QStringList list(parts);
    return list.join(kDot);
}

QString partName(PlacePart part)
{
    return QString::fromLatin1(QMetaEnum::fromType<PlacePart>().valueToKey(int(part)));
}

// Button captions double an ampersand that is meant to show.
QString shownCaption(QString caption)
{
    return caption.replace(QStringLiteral("&&"), QStringLiteral("&"));
}

QString articleBody(const Article& article)
{
    QStringList paragraphs;
    for (const ArticleBlock& block : article.blocks)
        paragraphs.append(block.text);
    return paragraphs.join(u'\n');
}

void addFilled(QList<SearchField>& fields, const QString& label, const QString& text)
{
    if (!text.trimmed().isEmpty())
        fields.append({label, text});
}

QList<SearchField> asanaFields(const QString& description, const QString& procedure,
                               const QString& benefits, const QString& contradictions)
{
    QList<SearchField> fields;
    addFilled(fields, QStringLiteral("Description"), description);
    addFilled(fields, QStringLiteral("Procedure"), procedure);
    addFilled(fields, QStringLiteral("Benefits"), benefits);
    addFilled(fields, QStringLiteral("Contradictions"), contradictions);
    return fields;
}

void appendArticles(QList<SearchDocument>& documents)
{
    for (const Section section : kArticleSections) {
        const QString heading = sectionCaption(section);
        for (const ArticleId id : sectionArticles(section)) {
            const std::optional<Article> article = tarvo::article(id);
            if (!article)
                continue;
            const QString caption = shownCaption(articleCaption(id));
            SearchDocument d;
            d.kind = SearchKind::Article;
            d.location = ArticleLocation{id};
            d.place = place({kindName(d.kind), heading + kArrow + caption});
            d.title = caption;
            d.fields = {{QString(), articleBody(*article)}};
            documents.append(d);
        }
    }
}

void appendLibraryAsanas(QList<SearchDocument>& documents)
{
    for (const AsanaRecord& asana : loadAsanaCatalogue()) {
        SearchDocument d;
        d.kind = SearchKind::Asana;
        d.location = AsanaLocation{asana.name};
        d.place = place({kindName(d.kind), asana.name});
        d.title = asana.name;
        d.names = {asana.englishName};
        d.fields =
            asanaFields(asana.description, asana.procedure, asana.benefits, asana.contradictions);
        documents.append(d);
    }
}

void appendSigns(QList<SearchDocument>& documents)
{
    for (int i = 0; i < kSunSignCount; ++i) {
        const auto sign = static_cast<SunSign>(i);
        const ZodiacDisplayFields f = zodiacDisplayFields(sign);
        const SunSignProfile& profile = sunSignProfile(sign);
        const auto add = [&](PlacePart part, ZodiacPage page, QList<SearchField> fields) {
            const QString tab = partName(part);
            SearchDocument d;
            d.kind = SearchKind::Zodiac;
            d.location = ZodiacLocation{sign, page};
            d.place = place({kindName(d.kind), f.sunSign, tab});
            d.title = f.sunSign;
            // The page's name is one of its names, so "Leo diet" finds Leo's Diet page first.
            d.names = {tab};
            d.fields = std::move(fields);
            documents.append(d);
        };

        QList<SearchField> characteristics;
        addFilled(characteristics, QStringLiteral("Element"), f.element);
        addFilled(characteristics, QStringLiteral("Lucky Number"), f.luckyNumber);
        addFilled(characteristics, QStringLiteral("Lucky Colour"), f.luckyColour);
        addFilled(characteristics, QStringLiteral("Lucky Day"), f.luckyDay);
        addFilled(characteristics, QStringLiteral("Compatibility"), f.compatibility);
        addFilled(characteristics, QStringLiteral("Birth Stone"), f.birthStone);
        addFilled(characteristics, QStringLiteral("Quality"), f.quality);
        addFilled(characteristics, QStringLiteral("Famous Personalities"), f.famousPeople);
        addFilled(characteristics, QStringLiteral("Positive Traits"), f.positiveTraits);
        addFilled(characteristics, QStringLiteral("Negative Traits"), f.negativeTraits);
        add(PlacePart::Characteristics, ZodiacPage::Characteristics, characteristics);

        QList<SearchField> health;
        addFilled(health, QStringLiteral("Body Part Ruled By Sun Sign"), f.bodyPart);
        addFilled(health, QStringLiteral("Health Problems"), f.healthProblems);
        add(PlacePart::Health, ZodiacPage::Diet, health);

        QList<SearchField> diet;
        addFilled(diet, QStringLiteral("Required Diet"), f.requiredDiet);
        addFilled(diet, QStringLiteral("Diet to Avoid"), f.dietToAvoid);
        addFilled(diet, QStringLiteral("Diet Advice"), f.dietAdvice);
        addFilled(diet, QStringLiteral("Constitution Type"), f.constitutionDescription);
        addFilled(diet, QStringLiteral("Excess"), f.excessDescription);
        addFilled(diet, QStringLiteral("Excess: Items to be taken"), f.excessItemsToBeTaken);
        addFilled(diet, QStringLiteral("Excess: Items to Avoid"), f.excessItemsToAvoid);
        addFilled(diet, QStringLiteral("Excess: Remedy"), f.excessRemedy);
        addFilled(diet, QStringLiteral("Low"), f.lowDescription);
        addFilled(diet, QStringLiteral("Low: Items to be taken"), f.lowItemsToBeTaken);
        addFilled(diet, QStringLiteral("Low: Items to Avoid"), f.lowItemsToAvoid);
        addFilled(diet, QStringLiteral("Low: Remedy"), f.lowRemedy);
        add(PlacePart::Diet, ZodiacPage::Diet, diet);

        QList<SearchField> fitness;
        addFilled(fitness, QStringLiteral("Athletic"), profile.fitness.athletic);
        addFilled(fitness, QStringLiteral("Endurance"), profile.fitness.endurance);
        addFilled(fitness, QStringLiteral("Flexibility"), profile.fitness.flexibility);
        addFilled(fitness, QStringLiteral("Focus"), profile.fitness.focus);
        addFilled(fitness, QStringLiteral("Motivation"), profile.fitness.motivation);
        addFilled(fitness, QStringLiteral("Routine"), profile.fitness.routine);
        addFilled(fitness, QStringLiteral("Team Work"), profile.fitness.teamWork);
        addFilled(fitness, QStringLiteral("Variety"), profile.fitness.variety);
        addFilled(fitness, QStringLiteral("Fitness Advice"), f.fitnessAdvice);
        add(PlacePart::Fitness, ZodiacPage::Fitness, fitness);
    }
}

void appendZodiacAsanas(QList<SearchDocument>& documents)
{
    // A Zodiac asana opens on the Yoga Asanas tab of a sign that recommends it.
    QHash<int, SunSign> firstSign;
    for (int i = kSunSignCount - 1; i >= 0; --i) {
        const auto sign = static_cast<SunSign>(i);
        for (const AsanaRecommendation& r : recommendedAsanas(sign))
            firstSign.insert(r.index, sign);
    }
    const auto& records = loadZodiacAsanas();
    for (int index = 1; index <= kZodiacAsanaCount; ++index) {
        const ZodiacAsanaRecord& record = records[std::size_t(index - 1)];
        // Found under the library's name; the catalogue's own spelling still finds it.
        const QString given = zodiacAsanaName(index);
        const QString library = libraryAsanaName(given);
        const QString name = library.isEmpty() ? given : library;
        SearchDocument d;
        d.kind = SearchKind::Zodiac;
        d.location = ZodiacLocation{firstSign.value(index), ZodiacPage::Asanas, index};
        d.place = place({kindName(d.kind), partName(PlacePart::Asanas), name});
        d.title = name;
        d.names = {record.englishName};
        if (name != given)
            d.names.append(given);
        d.fields = asanaFields(record.definition, record.procedure, record.benefits,
                               record.contradictions);
        d.rankWeight = 0.8;
        documents.append(d);
    }
}

void appendChakras(QList<SearchDocument>& documents)
{
    {
        SearchDocument d;
        d.kind = SearchKind::Chakra;
        d.location = ChakraLocation{};
        d.place = place({kindName(d.kind), partName(PlacePart::Introduction)});
        d.title = QStringLiteral("Chakras");
        d.fields = {{QString(), chakraIntroduction()}};
        documents.append(d);
    }
    for (int k = 0; k < kChakraCount; ++k) {
        const auto id = ChakraId(k);
        const ChakraInfo& info = chakraInfo(id);
        SearchDocument about;
        about.kind = SearchKind::Chakra;
        about.location = ChakraLocation{id};
        about.place = place({kindName(about.kind), info.shortName});
        about.title = info.fullName;
        addFilled(about.fields, QStringLiteral("Description"), info.description);
        addFilled(about.fields, QStringLiteral("Open"), info.openText);
        addFilled(about.fields, QStringLiteral("Over-active"), info.overActiveText);
        addFilled(about.fields, QStringLiteral("Under-active"), info.underActiveText);
        documents.append(about);

        SearchDocument opening = about;
        opening.place =
            place({kindName(opening.kind), info.shortName, partName(PlacePart::Opening)});
        // The heading the result window gives the instructions; the chakra's full name with its
        // Sanskrit name stays with the chakra's own page, which a name search should find first.
        opening.title = QStringLiteral("To open ") + info.shortName + QStringLiteral(" Chakra");
        opening.fields.clear();
        addFilled(opening.fields, QStringLiteral("Mudra"), info.mudraText);
        addFilled(opening.fields, QStringLiteral("Concentration"), info.concentrationText);
        addFilled(opening.fields, QStringLiteral("Chant"), info.chantText);
        documents.append(opening);
    }

    const QList<ChakraYogaAsana>& asanas = chakraYogaAsanas();
    for (qsizetype i = 0; i < asanas.size(); ++i) {
        const ChakraYogaAsana& asana = asanas[i];
        SearchDocument d;
        d.kind = SearchKind::Chakra;
        d.location = ChakraAsanaLocation{int(i)};
        d.place = place({kindName(d.kind), partName(PlacePart::Asanas), asana.name});
        d.title = asana.name;
        d.names = {asana.englishName};
        d.fields =
            asanaFields(asana.description, asana.procedure, asana.benefits, asana.contradictions);
        d.rankWeight = 0.8;
        documents.append(d);
    }
}

// Names a learner uses that the texts themselves do not give.
void applySynonyms(QList<SearchDocument>& documents)
{
    const QJsonArray entries = readContentObject(QStringLiteral(":/content/search/synonyms.json"))
                                   .value(u"synonyms")
                                   .toArray();
    for (const QJsonValue& value : entries) {
        const QJsonObject entry = value.toObject();
        // Articles are named by their buttons, as the articles' own file keys them.
        Location target = AsanaLocation{entry.value(u"asana").toString()};
        if (entry.contains(u"article")) {
            const auto article = articleWithButtonName(entry.value(u"article").toString());
            if (!article)
                continue;
            target = ArticleLocation{*article};
        }
        for (SearchDocument& d : documents) {
            if (d.location == target)
                d.names += stringList(entry.value(u"names"));
        }
    }
}

} // namespace

QString kindName(SearchKind kind)
{
    switch (kind) {
    case SearchKind::Article:
        return QStringLiteral("Article");
    case SearchKind::Asana:
        return QStringLiteral("Asana");
    case SearchKind::Zodiac:
        return QStringLiteral("Zodiac");
    case SearchKind::Chakra:
        return QStringLiteral("Chakra");
    }
    return {};
}

QList<SearchDocument> teachingDocuments()
{
    QList<SearchDocument> documents;
    appendArticles(documents);
    appendLibraryAsanas(documents);
    appendSigns(documents);
    appendZodiacAsanas(documents);
    appendChakras(documents);
    applySynonyms(documents);
    return documents;
}

} // namespace tarvo::search
