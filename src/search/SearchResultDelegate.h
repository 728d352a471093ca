#pragma once

#include "search/SearchIndex.h"

#include <QStyledItemDelegate>

class QTextDocument;

namespace tarvo {

struct ResultColours {
    QColor text;
    QColor place;
    QColor markText;
    QColor markBackground;
    QColor caution;
};

// A hit as its row shows it: the place small and dimmed, the title in bold, then the snippet,
// with the matched words of title and snippet marked, and the hit's cautions in red. Sizes follow
// font, so a larger list font gives larger rows.
void writeSearchResult(QTextDocument& document, const search::SearchHit& hit, const QFont& font,
                       const ResultColours& colours);

// Draws the rows of a SearchResultModel, each as tall as its text at the list's width.
class SearchResultDelegate final : public QStyledItemDelegate {
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(SearchResultDelegate)

public:
    explicit SearchResultDelegate(QObject* parent = nullptr);

    void paint(QPainter* painter, const QStyleOptionViewItem& option,
               const QModelIndex& index) const override;
    QSize sizeHint(const QStyleOptionViewItem& option, const QModelIndex& index) const override;
};

} // namespace tarvo
