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

namespace tarvo::search {

namespace {

const QString kDot = QStringLiteral(" \u00b7 ");
const QString kArrow = QStringLiteral(" \u203a ");

// The Learn Yoga sections that hold articles.
constexpr int kArticleSections[] = {1, 5, 6, 7};

QString place(std::initializer_list<QString> parts)
{
    QStringList list(parts);
    return list.join(kDot);
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
    for (const int section : kArticleSections) {
        const QString heading = sectionCaption(section);
        for (const ArticleButton& button : articleButtons(section)) {
            const std::optional<Article> article = articleForButton(button.name);
            if (!article)
                continue;
            const QString caption = shownCaption(button.caption);
            SearchDocument d;
            d.kind = SearchKind::Article;
            d.key = {button.name, {}, 0};
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
        d.key = {asana.name, {}, asana.number};
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
        const auto add = [&](const QString& tab, QList<SearchField> fields) {
            SearchDocument d;
            d.kind = SearchKind::Zodiac;
            d.key = {f.sunSign, tab, 0};
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
        add(QStringLiteral("Characteristics"), characteristics);

        QList<SearchField> health;
        addFilled(health, QStringLiteral("Body Part Ruled By Sun Sign"), f.bodyPart);
        addFilled(health, QStringLiteral("Health Problems"), f.healthProblems);
        add(QStringLiteral("Health"), health);

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
        add(QStringLiteral("Diet"), diet);

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
        add(QStringLiteral("Fitness"), fitness);
    }
}

void appendZodiacAsanas(QList<SearchDocument>& documents)
{
    // A Zodiac asana opens on the Yoga Asanas tab of a sign that recommends it.
    QHash<int, QString> firstSign;
    for (int i = 0; i < kSunSignCount; ++i) {
        const auto sign = static_cast<SunSign>(i);
        for (const AsanaRecommendation& r : recommendedAsanas(sign)) {
            if (!firstSign.contains(r.index))
                firstSign.insert(r.index, signName(sign));
        }
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
        d.key = {firstSign.value(index), QStringLiteral("Asanas"), index};
        d.place = place({kindName(d.kind), QStringLiteral("Asanas"), name});
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
        d.key = {QString(), QStringLiteral("Introduction"), 0};
        d.place = place({kindName(d.kind), QStringLiteral("Introduction")});
        d.title = QStringLiteral("Chakras");
        d.fields = {{QString(), chakraIntroduction()}};
        documents.append(d);
    }
    for (const ChakraInfo& info : chakraTable()) {
        SearchDocument about;
        about.kind = SearchKind::Chakra;
        about.key = {info.shortName, QStringLiteral("About"), 0};
        about.place = place({kindName(about.kind), info.shortName});
        about.title = info.fullName;
        addFilled(about.fields, QStringLiteral("Description"), info.description);
        addFilled(about.fields, QStringLiteral("Open"), info.openText);
        addFilled(about.fields, QStringLiteral("Over-active"), info.overActiveText);
        addFilled(about.fields, QStringLiteral("Under-active"), info.underActiveText);
        documents.append(about);

        SearchDocument opening = about;
        opening.key.part = QStringLiteral("Opening");
        opening.place = place({kindName(opening.kind), info.shortName, QStringLiteral("Opening")});
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
    QHash<int, QString> firstChakra;
    for (const AsanaSlot& slot : chakraAsanaSlots()) {
        if (!firstChakra.contains(slot.asana))
            firstChakra.insert(slot.asana, chakraInfo(slot.chakra).shortName);
    }
    for (qsizetype i = 0; i < asanas.size(); ++i) {
        const ChakraYogaAsana& asana = asanas[i];
        SearchDocument d;
        d.kind = SearchKind::Chakra;
        d.key = {firstChakra.value(int(i)), QStringLiteral("Asanas"), int(i)};
        d.place = place({kindName(d.kind), QStringLiteral("Asanas"), asana.name});
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
        const bool isArticle = entry.contains(u"article");
        const QString target = entry.value(isArticle ? u"article" : u"asana").toString();
        const SearchKind kind = isArticle ? SearchKind::Article : SearchKind::Asana;
        for (SearchDocument& d : documents) {
            if (d.kind == kind && d.key.name == target)
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
