#pragma once

#include "learn/Article.h"
#include "learn/ArticleId.h"
#include "learn/SectionNavigation.h"

#include <QList>
#include <optional>

namespace tarvo {

// The article, read from the compiled-in catalogue on first use.
std::optional<Article> article(ArticleId id);

// The name of the article's button in the navigation ("Command63"), which the content files
// key the article by.
QString articleButtonName(ArticleId id);
std::optional<ArticleId> articleWithButtonName(const QString& buttonName);

// The section whose sub-panel holds the article, and the articles of a section, top to bottom.
Section articleSection(ArticleId id);
QList<ArticleId> sectionArticles(Section section);

// The caption of the article's button, which is its title; taken from the content index, so the
// navigation is built without reading the articles.
QString articleCaption(ArticleId id);

// The caption of a Learn Yoga navigation header.
QString sectionCaption(Section section);

// The Introduction that opens Learn Yoga.
Article introduction();

// Fixed texts of the main window and the About box, keyed as in content/app/texts.json.
QString applicationText(const QString& key);

} // namespace tarvo
