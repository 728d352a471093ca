#include "learn/ArticleCatalogue.h"

#include "contentindex/ContentIndex.h"
#include "platform/ContentFile.h"

#include <array>

namespace tarvo {

namespace {

const QString kArticlesFile = QStringLiteral(":/content/learn/articles.json");
const QString kTextsFile = QStringLiteral(":/content/app/texts.json");

BlockStyle styleNamed(const QString& name)
{
    if (name == QLatin1String("SubHeading"))
        return BlockStyle::SubHeading;
    if (name == QLatin1String("LeadLine"))
        return BlockStyle::LeadLine;
    if (name == QLatin1String("ArticleTitle"))
        return BlockStyle::ArticleTitle;
    return BlockStyle::BodyText;
}

struct ArticleEntry {
    ArticleId id;
    Section section;
    const char16_t* button;
};

constexpr ArticleEntry kArticles[kArticleCount] = {
    {ArticleId::WhatIsYoga, Section::Information, u"Command11"},
    {ArticleId::PathsOfYoga, Section::Information, u"Command12"},
    {ArticleId::WhoCanPractiseYoga, Section::Information, u"Command13"},
    {ArticleId::BenefitsOfYoga, Section::Information, u"Command14"},
    {ArticleId::TipsToPractiseYoga, Section::Information, u"Command15"},
    {ArticleId::WhatAreYogasanas, Section::Information, u"Command16"},
    {ArticleId::WhatIsMeditation, Section::Meditation, u"Command51"},
    {ArticleId::WhyMeditate, Section::Meditation, u"Command52"},
    {ArticleId::ImportanceOfMeditation, Section::Meditation, u"Command53"},
    {ArticleId::ControllingTheMind, Section::Meditation, u"Command54"},
    {ArticleId::MeditationTechniques, Section::Meditation, u"Command55"},
    {ArticleId::WhatIsPranayam, Section::Pranayam, u"Command61"},
    {ArticleId::PranayamBenefits, Section::Pranayam, u"Command62"},
    {ArticleId::NadiShodhana, Section::Pranayam, u"Command63"},
    {ArticleId::Bhastrika, Section::Pranayam, u"Command64"},
    {ArticleId::Bhramari, Section::Pranayam, u"Command65"},
    {ArticleId::Kapalbhati, Section::Pranayam, u"Command66"},
    {ArticleId::WhatIsSuryaNamaskar, Section::SuryaNamaskar, u"Command71"},
    {ArticleId::PractisingSuryaNamaskar, Section::SuryaNamaskar, u"Command72"},
    {ArticleId::SuryaNamaskarBenefits, Section::SuryaNamaskar, u"Command73"},
    {ArticleId::WhoShouldNotPractise, Section::SuryaNamaskar, u"Command74"},
};

const ArticleEntry& entry(ArticleId id)
{
    return kArticles[std::size_t(id)];
}

using Catalogue = std::array<std::optional<Article>, kArticleCount>;

const Catalogue& catalogue()
{
    static const Catalogue loaded = [] {
        Catalogue articles;
        const QJsonArray entries = readContentObject(kArticlesFile).value(u"articles").toArray();
        for (const QJsonValue& value : entries) {
            const QJsonObject object = value.toObject();
            const auto id = articleWithButtonName(object.value(u"button").toString());
            if (!id)
                continue;
            Article article;
            article.title = object.value(u"title").toString();
            const QJsonArray blocks = object.value(u"blocks").toArray();
            for (const QJsonValue& blockValue : blocks) {
                const QJsonObject block = blockValue.toObject();
                article.blocks.append({styleNamed(block.value(u"style").toString()),
                                       block.value(u"text").toString(),
                                       block.value(u"blankLine").toBool()});
            }
            article.breathingPattern = object.value(u"breathing").toString();
            articles[std::size_t(*id)] = article;
        }
        return articles;
    }();
    return loaded;
}

const QJsonObject& texts()
{
    static const QJsonObject loaded = readContentObject(kTextsFile);
    return loaded;
}

} // namespace

std::optional<Article> article(ArticleId id)
{
    return catalogue()[std::size_t(id)];
}

QString articleButtonName(ArticleId id)
{
    return QString::fromUtf16(entry(id).button);
}

std::optional<ArticleId> articleWithButtonName(const QString& buttonName)
{
    for (const ArticleEntry& candidate : kArticles) {
        if (buttonName == QStringView(candidate.button))
            return candidate.id;
    }
    return std::nullopt;
}

Section articleSection(ArticleId id)
{
    return entry(id).section;
}

QList<ArticleId> sectionArticles(Section section)
{
    QList<ArticleId> articles;
    for (const ArticleEntry& candidate : kArticles) {
        if (candidate.section == section)
            articles.append(candidate.id);
    }
    return articles;
}

QString articleCaption(ArticleId id)
{
    const QStringView button(entry(id).button);
    for (const contentindex::Article& indexed : contentindex::articles()) {
        if (indexed.button == button)
            return indexed.caption;
    }
    return {};
}

QString sectionCaption(Section section)
{
    switch (section) {
    case Section::Information:
        return QStringLiteral("Information on Yoga");
    case Section::AsanasByName:
        return QStringLiteral("Yoga Asanas By Name");
    case Section::AsanasByBodyPart:
        return QStringLiteral("Yoga Asanas By Body Parts");
    case Section::AsanasByApplication:
        return QStringLiteral("Yoga Asanas By Therapeutic Applications");
    case Section::Meditation:
        return QStringLiteral("Meditation");
    case Section::Pranayam:
        return QStringLiteral("Pranayam");
    case Section::SuryaNamaskar:
        return QStringLiteral("Surya Namaskar");
    }
    return {};
}

Article introduction()
{
    Article article{QStringLiteral("Introduction"), {}};
    const QStringList paragraphs = stringList(texts().value(u"introduction"));
    for (const QString& paragraph : paragraphs)
        article.blocks.append({BlockStyle::BodyText, paragraph, false});
    return article;
}

QString applicationText(const QString& key)
{
    return texts().value(key).toString();
}

} // namespace tarvo
