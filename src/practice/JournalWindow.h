#pragma once

#include "platform/AppContext.h"

#include <QWidget>

class QLabel;
class QTableWidget;
class QTableWidgetItem;

namespace tarvo::practice {

class NotifyingPracticeStore;
class WeeklyMinutesChart;

// The practice journal: every entry with its editable note, minutes per week for the last
// twelve weeks, the current streak, and the export to CSV. It follows the store while open.
class JournalWindow final : public QWidget {
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(JournalWindow)

public:
    enum Column { When, Practice, Minutes, Finished, Note, ColumnCount };

    JournalWindow(NotifyingPracticeStore& store, const AppContext& context,
                  QWidget* parent = nullptr);
    ~JournalWindow() override;

    void reload();
    void exportCsv();

    QSize sizeHint() const override;

private:
    void showNote(qint64 id, const QString& note);
    void saveNote(QTableWidgetItem* item);

    NotifyingPracticeStore& m_store;
    AppContext m_context;
    QLabel* m_streak = nullptr;
    QLabel* m_emptyHint = nullptr;
    WeeklyMinutesChart* m_chart = nullptr;
    QTableWidget* m_table = nullptr;
    bool m_filling = false;
};

} // namespace tarvo::practice
