#pragma once

#include "learn/Article.h"

namespace tarvo {

class RichReport;

// The article viewer's box as a freshly opened box: Verdana 9 pt, black, left.
RichReport articleViewerReport();

// One block in its style; `last` drops the line break after a final body block.
void writeBlock(RichReport& report, const ArticleBlock& block, bool last);

// Replaces the report's text with the article: the title, then its blocks.
void writeArticle(RichReport& report, const Article& article);

} // namespace tarvo
