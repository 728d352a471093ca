#pragma once

#include "practice/PracticeStats.h"

#include <QWidget>

namespace tarvo::practice {

// Minutes per week as bars, each with its minutes above and the date of its Monday beneath.
class WeeklyMinutesChart final : public QWidget {
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(WeeklyMinutesChart)

public:
    explicit WeeklyMinutesChart(QWidget* parent = nullptr);

    void setWeeks(const QList<WeekMinutes>& weeks);
    const QList<WeekMinutes>& weeks() const { return m_weeks; }
    // The bar's rectangle in widget pixels; empty for a week without practice.
    QRectF barRect(qsizetype week) const;

    QSize sizeHint() const override;
    QSize minimumSizeHint() const override;

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    double slotWidth() const;
    double baseLine() const;

    QList<WeekMinutes> m_weeks;
};

} // namespace tarvo::practice
