#pragma once

#include "search/SearchIndex.h"

#include <QAbstractListModel>

namespace tarvo {

// The hits of one search, best first. The display text is what a screen reader reads for a row:
// place, title and snippet in one line.
class SearchResultModel final : public QAbstractListModel {
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(SearchResultModel)

public:
    explicit SearchResultModel(QObject* parent = nullptr);

    void setHits(QList<search::SearchHit> hits);
    const search::SearchHit& hit(int row) const { return m_hits.at(row); }

    int rowCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role) const override;

private:
    QList<search::SearchHit> m_hits;
};

} // namespace tarvo
