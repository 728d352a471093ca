#pragma once

#include "practice/PracticeTypes.h"

#include <QAbstractTableModel>

namespace tarvo::practice {

class NotifyingPracticeStore;

// The journal's entries as a table, newest first, read from the store a page at a time as the
// view scrolls to them. A practice that ends while it is shown comes in as one row; only a
// change of store reads it again.
class JournalModel final : public QAbstractTableModel {
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(JournalModel)

public:
    enum Column { When, Practice, Minutes, Finished, Note, ColumnCount };
    static constexpr int kPageSize = 100;

    explicit JournalModel(NotifyingPracticeStore& store, QObject* parent = nullptr);

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override;
    Qt::ItemFlags flags(const QModelIndex& index) const override;
    // Writes the note to the store; false, and noteRefused, when the store refuses it.
    bool setData(const QModelIndex& index, const QVariant& value, int role) override;
    bool canFetchMore(const QModelIndex& parent) const override;
    void fetchMore(const QModelIndex& parent) override;

    // Every entry the store has, fetched or not.
    int entryCount() const { return m_total; }

signals:
    void noteRefused(const QString& why);

private:
    struct Row {
        JournalEntry entry;
        // Made once, when the row is fetched.
        QString when;
        QString practice;
    };

    static Row rowOf(const JournalEntry& entry);
    void loadFirstPage();
    void reset();
    void insertEntry(const JournalEntry& entry);
    void showNote(qint64 id, const QString& note);

    NotifyingPracticeStore& m_store;
    QList<Row> m_rows;
    int m_total = 0;
};

} // namespace tarvo::practice
