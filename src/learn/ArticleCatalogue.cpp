#include "learn/ArticleCatalogue.h"

#include "platform/ContentFile.h"

#include <QHash>

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

struct Catalogue {
    QHash<QString, Article> articles;
};

const Catalogue& catalogue()
{
    static const Catalogue loaded = [] {
        Catalogue c;
        const QJsonArray articles = readContentObject(kArticlesFile).value(u"articles").toArray();
        for (const QJsonValue& entry : articles) {
            const QJsonObject object = entry.toObject();
            Article article;
            article.title = object.value(u"title").toString();
            const QJsonArray blocks = object.value(u"blocks").toArray();
            for (const QJsonValue& blockValue : blocks) {
                const QJsonObject block = blockValue.toObject();
                article.blocks.append({styleNamed(block.value(u"style").toString()),
                                       block.value(u"text").toString(),
                                       block.value(u"blankLine").toBool()});
            }
            const QString button = object.value(u"button").toString();
            c.articles.insert(button, article);
        }
        return c;
    }();
    return loaded;
}

const QJsonObject& texts()
{
    static const QJsonObject loaded = readContentObject(kTextsFile);
    return loaded;
}

} // namespace

std::optional<Article> articleForButton(const QString& buttonName)
{
    const auto found = catalogue().articles.constFind(buttonName);
    if (found == catalogue().articles.constEnd())
        return std::nullopt;
    return *found;
}

QList<ArticleButton> articleButtons(int section)
{
    // The captions are fixed, so the navigation can be built without reading the articles.
    static const QList<ArticleButton> all = {
        {QStringLiteral("Command11"), QStringLiteral("What Is Yoga ?")},
        {QStringLiteral("Command12"), QStringLiteral("Paths Of Yoga")},
        {QStringLiteral("Command13"), QStringLiteral("Who Can Practice Yoga ?")},
        {QStringLiteral("Command14"), QStringLiteral("Benefits Of Yoga")},
        {QStringLiteral("Command15"), QStringLiteral("Tips To Practice Yoga")},
        {QStringLiteral("Command16"), QStringLiteral("What Are Yogasanas ?")},
        {QStringLiteral("Command51"), QStringLiteral("What Is Meditation ?")},
        {QStringLiteral("Command52"), QStringLiteral("Why Should We Meditate ?")},
        {QStringLiteral("Command53"), QStringLiteral("Importance Of Meditation")},
        {QStringLiteral("Command54"), QStringLiteral("Techniques To Control Our Mind")},
        {QStringLiteral("Command55"), QStringLiteral("Techniques To Meditation")},
        {QStringLiteral("Command61"), QStringLiteral("What Is Pranayam ?")},
        {QStringLiteral("Command62"), QStringLiteral("Importance && Benefits Of Pranayam")},
        {QStringLiteral("Command63"), QStringLiteral("Nadi Shodan Prnayam")},
        {QStringLiteral("Command64"), QStringLiteral("Bhastrika Pranayam")},
        {QStringLiteral("Command65"), QStringLiteral("Bhramari Pranayam")},
        {QStringLiteral("Command66"), QStringLiteral("Kapalbhati Pranayam")},
        {QStringLiteral("Command71"), QStringLiteral("What Is Surya Namaskar ?")},
        {QStringLiteral("Command72"), QStringLiteral("How To Practice Surya Namaskar ?")},
        {QStringLiteral("Command73"), QStringLiteral("Benefits Of Surya Namaskar")},
        {QStringLiteral("Command74"), QStringLiteral("People Who Should Not Practice")},
    };
    const QString prefix = QStringLiteral("Command%1").arg(section);
    QList<ArticleButton> buttons;
    for (const ArticleButton& button : all) {
        if (button.name.size() == prefix.size() + 1 && button.name.startsWith(prefix))
            buttons.append(button);
    }
    return buttons;
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
