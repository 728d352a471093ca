#pragma once

#include "chakra/ChakraResult.h"

#include <QWidget>

class QPainter;

namespace tarvo {

// The chart drawn into any painter in the chart's own pixels (the printer's too, so the bars
// stay lines and fills); labels are set in the given font and ink.
void paintChakraChart(QPainter& painter, const PerChakra<ChakraBar>& bars, const QFont& font,
                      const QColor& ink);
// The room the chart takes with labels of this height.
QSizeF chakraChartSize(double labelHeight);

// The seven score bars over the base line, with their chakra labels beneath.
class ChakraChart final : public QWidget {
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(ChakraChart)

public:
    explicit ChakraChart(QWidget* parent = nullptr);

    void setScores(const PerChakra<int>& scores);
    const PerChakra<ChakraBar>& bars() const { return m_bars; }
    // The bar's rectangle in widget pixels; empty when the bar is hidden.
    QRectF barRect(ChakraId id) const;

    QSize sizeHint() const override;
    QSize minimumSizeHint() const override { return sizeHint(); }

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    PerChakra<ChakraBar> m_bars{};
};

} // namespace tarvo
