#pragma once

#include "chakra/ChakraResult.h"

#include <QWidget>

namespace tarvo {

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
