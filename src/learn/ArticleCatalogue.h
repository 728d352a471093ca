#pragma once

#include "learn/Article.h"

#include <QStringList>
#include <optional>

namespace tarvo {

// The article of an article button ("Command11" .. "Command74"), read from the compiled-in
// catalogue on first use.
std::optional<Article> articleForButton(const QString& buttonName);

// The caption of the Learn Yoga navigation header of section 1..7, top to bottom.
QString sectionCaption(int section);

// Article buttons of a section's sub-panel, top to bottom, with their stored captions.
struct ArticleButton {
    QString name;
    QString caption;
};
QList<ArticleButton> articleButtons(int section);

// The Introduction that opens Learn Yoga.
Article introduction();

// Fixed texts of the main window and the About box, keyed as in content/app/texts.json.
QString applicationText(const QString& key);

} // namespace tarvo
