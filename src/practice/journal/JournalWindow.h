#pragma once

#include "shell/AppContext.h"

#include <QWidget>

class QLabel;
class QTableView;

namespace tarvo::practice {

class JournalModel;
class NotifyingPracticeStore;
class WeeklyMinutesChart;

// The practice journal: every entry with its editable note, read as the table scrolls to it,
// minutes per week for the last twelve weeks, the current streak, and the export to CSV. It
// follows the store while open.
class JournalWindow final : public QWidget {
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(JournalWindow)

public:
    JournalWindow(NotifyingPracticeStore& store, const AppContext& context,
                  QWidget* parent = nullptr);
    ~JournalWindow() override;

    // The chart, the streak and whether the journal is empty, as the store has them now.
    void showTotals();
    void exportCsv();
    QTableView* table() const { return m_table; }

    QSize sizeHint() const override;

private:
    void noteRefused(const QString& why);

    NotifyingPracticeStore& m_store;
    AppContext m_context;
    QLabel* m_streak = nullptr;
    QLabel* m_emptyHint = nullptr;
    WeeklyMinutesChart* m_chart = nullptr;
    JournalModel* m_model = nullptr;
    QTableView* m_table = nullptr;
};

} // namespace tarvo::practice
