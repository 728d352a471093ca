#include "app/MainWindow.h"
#include "content/ContentTiming.h"
#include "content/Timing.h"
#include "learn/ArticleCatalogue.h"
#include "learn/ArticleViewer.h"
#include "learn/LearnFlow.h"
#include "learn/SectionNavigation.h"
#include "report/RichTextBox.h"
#include "shell/AppContext.h"

#include <QGuiApplication>
#include <QScreen>

namespace tarvo::bench {

namespace {

qsizetype textLength(const Article& article)
{
    qsizetype length = article.title.size();
    for (const ArticleBlock& block : article.blocks)
        length += block.text.size();
    return length;
}

struct LongestArticle {
    ArticleId article = ArticleId::WhatIsYoga;
    QString title;
};

LongestArticle longestArticle()
{
    LongestArticle longest;
    qsizetype longestLength = -1;
    for (int id = 0; id < kArticleCount; ++id) {
        const std::optional<Article> text = article(ArticleId(id));
        if (text && textLength(*text) > longestLength) {
            longest = {ArticleId(id), text->title};
            longestLength = textLength(*text);
        }
    }
    return longest;
}

} // namespace

ArticleTiming longestArticleTiming(const AppContext& context, const QString& firstButton, int runs)
{
    // The viewer as the user meets it: in the maximised main window, Learn Yoga chosen.
    MainWindow window(context, ProgramWindows{});
    if (const QScreen* primary = QGuiApplication::primaryScreen())
        window.setGeometry(primary->availableGeometry());
    window.showMaximized();
    window.selectProgram(Program::LearnYoga);
    QCoreApplication::processEvents();
    RichTextBox& box =
        *window.learn().articleViewer().findChild<RichTextBox*>(QStringLiteral("RTB"));
    const auto open = [&](ArticleId article) {
        window.learn().showArticle(article);
        layOutAndPaint(box);
    };

    ArticleTiming timing;
    if (const auto first = articleWithButtonName(firstButton))
        timing.firstOpenMs = timeMs([&] { open(*first); });
    const LongestArticle longest = longestArticle();
    timing.button = articleButtonName(longest.article);
    timing.open = {QStringLiteral("Longest article (\"%1\")").arg(longest.title),
                   warmTimesMs([&] { open(longest.article); }, runs)};
    return timing;
}

} // namespace tarvo::bench
