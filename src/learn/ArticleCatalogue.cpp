#include "learn/ArticleCatalogue.h"

#include "contentindex/ContentIndex.h"
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
            article.breathingPattern = object.value(u"breathing").toString();
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

QString sectionCaption(int section)
{
    static const QString captions[] = {
        QStringLiteral("Information on Yoga"),
        QStringLiteral("Yoga Asanas By Name"),
        QStringLiteral("Yoga Asanas By Body Parts"),
        QStringLiteral("Yoga Asanas By Therapeutic Applications"),
        QStringLiteral("Meditation"),
        QStringLiteral("Pranayam"),
        QStringLiteral("Surya Namaskar"),
    };
    return section >= 1 && section <= 7 ? captions[section - 1] : QString();
}

QList<ArticleButton> articleButtons(int section)
{
    // From the content index, so the navigation is built without reading the articles.
    const QString prefix = QStringLiteral("Command%1").arg(section);
    QList<ArticleButton> buttons;
    for (const contentindex::Article& article : contentindex::articles()) {
        if (article.button.size() == prefix.size() + 1 && article.button.startsWith(prefix))
            buttons.append({article.button, article.caption});
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
