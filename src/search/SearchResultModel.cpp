#include "search/SearchResultModel.h"

namespace tarvo {

SearchResultModel::SearchResultModel(QObject* parent)
    : QAbstractListModel(parent)
{
}

void SearchResultModel::setHits(QList<search::SearchHit> hits)
{
    beginResetModel();
    m_hits = std::move(hits);
    endResetModel();
}

int SearchResultModel::rowCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : int(m_hits.size());
}

QVariant SearchResultModel::data(const QModelIndex& index, int role) const
{
    if (!index.isValid() || index.row() >= m_hits.size())
        return {};
    const search::SearchHit& h = m_hits[index.row()];
    switch (role) {
    case Qt::DisplayRole:
    case Qt::AccessibleTextRole:
        return (QStringList{h.place + QStringLiteral(": ") + h.snippet} + h.cautions).join(u'\n');
    case Qt::ToolTipRole:
        return h.place;
    default:
        return {};
    }
}

} // namespace tarvo
