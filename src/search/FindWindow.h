#pragma once

#include "asanas/HealthConditions.h"
#include "search/SearchIndex.h"

#include <QWidget>
#include <functional>

class QLabel;
class QLineEdit;
class QListView;

namespace tarvo {

class SearchResultModel;

// Find: a search box over every teaching text with a live list of what it finds, best first.
// Enter or a click on a result asks for its page; the window stays open for the next one.
class FindWindow final : public QWidget {
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(FindWindow)

public:
    // Made a tool window of parent, so it floats over it and stays open whatever parent shows.
    explicit FindWindow(QWidget* parent = nullptr);
    ~FindWindow() override;

    // Shows the window, or brings it forward, with the focus in the box and its text selected.
    void showSearch();
    void search(const QString& query);
    // The conditions the user has ticked: the asanas found carry their cautions.
    void setConditionSource(std::function<QList<Condition>()> conditions);

    QLineEdit* box() const { return m_box; }
    QListView* results() const { return m_results; }
    const SearchResultModel& model() const { return *m_model; }

signals:
    void resultChosen(const search::SearchHit& hit);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void chooseRow(int row);
    void updateCount(const QString& query);

    search::SearchIndex m_index;
    std::function<QList<Condition>()> m_conditions;
    QLineEdit* m_box;
    QLabel* m_count;
    QListView* m_results;
    SearchResultModel* m_model;
};

} // namespace tarvo

Q_DECLARE_METATYPE(tarvo::search::SearchHit)
