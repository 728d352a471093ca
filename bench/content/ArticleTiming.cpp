#include "app/MainWindow.h"
#include "app/SectionNavigation.h"
#include "content/ContentTiming.h"
#include "content/Timing.h"
#include "learn/ArticleCatalogue.h"
#include "learn/ArticleViewer.h"
#include "platform/AppContext.h"
#include "report/RichTextBox.h"

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
    QString button;
    QString title;
};

LongestArticle longestArticle()
{
    LongestArticle longest;
    qsizetype longestLength = -1;
    for (int section = 1; section <= kSectionCount; ++section) {
        const QList<ArticleButton> buttons = articleButtons(section);
        for (const ArticleButton& button : buttons) {
            const std::optional<Article> article = articleForButton(button.name);
            if (article && textLength(*article) > longestLength) {
                longest = {button.name, article->title};
                longestLength = textLength(*article);
            }
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
    RichTextBox& box = *window.articleViewer().findChild<RichTextBox*>(QStringLiteral("RTB"));
    const auto open = [&](const QString& button) {
        window.showArticle(button);
        layOutAndPaint(box);
    };

    ArticleTiming timing;
    if (!firstButton.isEmpty())
        timing.firstOpenMs = timeMs([&] { open(firstButton); });
    const LongestArticle longest = longestArticle();
    timing.button = longest.button;
    timing.open = {QStringLiteral("Longest article (\"%1\")").arg(longest.title),
                   warmTimesMs([&] { open(longest.button); }, runs)};
    return timing;
}

} // namespace tarvo::bench
