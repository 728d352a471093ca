#include "practice/journal/JournalModel.h"

#include "platform/UserText.h"
#include "practice/NotifyingPracticeStore.h"

#include <algorithm>

namespace tarvo::practice {

namespace {

// Newest first, as the store gives them.
bool comesBefore(const JournalEntry& a, const JournalEntry& b)
{
    return a.started > b.started || (a.started == b.started && a.id > b.id);
}

} // namespace

JournalModel::JournalModel(NotifyingPracticeStore& store, QObject* parent)
    : QAbstractTableModel(parent)
    , m_store(store)
{
    connect(&m_store, &NotifyingPracticeStore::entryAdded, this, &JournalModel::insertEntry);
    connect(&m_store, &NotifyingPracticeStore::entriesChanged, this, &JournalModel::reset);
    connect(&m_store, &NotifyingPracticeStore::noteChanged, this, &JournalModel::showNote);
    m_total = m_store.entryCount();
    loadFirstPage();
}

// The first page comes at once, so the newest entries show with the window, not a layout later.
void JournalModel::loadFirstPage()
{
    for (const JournalEntry& entry : m_store.entryPage(0, kPageSize))
        m_rows.append(rowOf(entry));
}

JournalModel::Row JournalModel::rowOf(const JournalEntry& entry)
{
    Row row{entry, entry.started.toLocalTime().toString(QStringLiteral("ddd d MMM yyyy, HH:mm")),
            entry.summary.isEmpty()
                ? isolated(entry.title)
                : QStringLiteral("%1: %2").arg(isolated(entry.title), entry.summary)};
    return row;
}

int JournalModel::rowCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : int(m_rows.size());
}

int JournalModel::columnCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : ColumnCount;
}

QVariant JournalModel::data(const QModelIndex& index, int role) const
{
    if (!index.isValid() || index.row() >= m_rows.size())
        return {};
    const Row& row = m_rows.at(index.row());
    if (role == Qt::TextAlignmentRole && index.column() == Minutes)
        return QVariant::fromValue(Qt::AlignRight | Qt::AlignVCenter);
    if (role == Qt::ToolTipRole && index.column() == Practice)
        return row.practice;
    if (role == Qt::UserRole)
        return row.entry.id;
    if (role != Qt::DisplayRole && role != Qt::EditRole)
        return {};
    switch (index.column()) {
    case When:
        return row.when;
    case Practice:
        return row.practice;
    case Minutes:
        return QString::number(row.entry.seconds / 60.0, 'f', 1);
    case Finished:
        return row.entry.completed ? QStringLiteral("Completed") : QStringLiteral("Stopped");
    case Note:
        return row.entry.note;
    default:
        return {};
    }
}

QVariant JournalModel::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (orientation != Qt::Horizontal || role != Qt::DisplayRole)
        return {};
    static const QStringList titles = {QStringLiteral("Date and time"), QStringLiteral("Practice"),
                                       QStringLiteral("Minutes"), QStringLiteral("Finished"),
                                       QStringLiteral("Note")};
    return titles.value(section);
}

Qt::ItemFlags JournalModel::flags(const QModelIndex& index) const
{
    const Qt::ItemFlags flags = QAbstractTableModel::flags(index);
    return index.column() == Note ? flags | Qt::ItemIsEditable : flags;
}

bool JournalModel::setData(const QModelIndex& index, const QVariant& value, int role)
{
    if (!index.isValid() || index.column() != Note || role != Qt::EditRole)
        return false;
    const QString note = value.toString();
    if (m_rows.at(index.row()).entry.note == note)
        return true;
    if (m_store.setNote(m_rows.at(index.row()).entry.id, note))
        return true;
    emit noteRefused(m_store.error());
    return false;
}

bool JournalModel::canFetchMore(const QModelIndex& parent) const
{
    return !parent.isValid() && m_rows.size() < m_total;
}

void JournalModel::fetchMore(const QModelIndex& parent)
{
    if (!canFetchMore(parent))
        return;
    const QList<JournalEntry> page = m_store.entryPage(int(m_rows.size()), kPageSize);
    if (page.isEmpty()) {
        // The store has fewer than it said; what is shown is all there is.
        m_total = int(m_rows.size());
        return;
    }
    beginInsertRows({}, int(m_rows.size()), int(m_rows.size() + page.size() - 1));
    for (const JournalEntry& entry : page)
        m_rows.append(rowOf(entry));
    endInsertRows();
}

void JournalModel::reset()
{
    beginResetModel();
    m_rows.clear();
    m_total = m_store.entryCount();
    loadFirstPage();
    endResetModel();
}

void JournalModel::insertEntry(const JournalEntry& entry)
{
    ++m_total;
    const auto at = std::find_if(m_rows.cbegin(), m_rows.cend(),
                                 [&](const Row& row) { return comesBefore(entry, row.entry); });
    const int row = int(at - m_rows.cbegin());
    // Among the entries not fetched yet, it comes with the page it belongs to.
    if (row == m_rows.size() && m_rows.size() + 1 < m_total)
        return;
    beginInsertRows({}, row, row);
    m_rows.insert(row, rowOf(entry));
    endInsertRows();
}

void JournalModel::showNote(qint64 id, const QString& note)
{
    for (int row = 0; row < m_rows.size(); ++row) {
        if (m_rows.at(row).entry.id != id)
            continue;
        m_rows[row].entry.note = note;
        emit dataChanged(index(row, Note), index(row, Note));
        return;
    }
}

} // namespace tarvo::practice
