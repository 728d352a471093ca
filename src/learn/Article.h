#pragma once

#include <QList>
#include <QString>

namespace tarvo {

enum class BlockStyle { ArticleTitle, SubHeading, LeadLine, BodyText };

struct ArticleBlock {
    BlockStyle style = BlockStyle::BodyText;
    QString text;
    // A sub-heading followed by a blank line rather than a single line break.
    bool blankLine = false;
};

struct Article {
    QString title;
    QList<ArticleBlock> blocks;
    // The breathing guide's pattern for the practice the article teaches, if it has one.
    QString breathingPattern{};
};

} // namespace tarvo
