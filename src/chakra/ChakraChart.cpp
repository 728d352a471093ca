#include "chakra/ChakraChart.h"

#include "platform/Twips.h"

#include <QPainter>

namespace tarvo {

namespace {

// The bars' common bottom edge is drawn on the base line, so the chart is shifted down by the gap.
constexpr double kBarOffset = kBaseLineY - kBarFullHeight;
constexpr double kMargin = 8;

double pixels(double twips)
{
    return twips / kTwipsPerPixel;
}

QRectF barRectOf(const ChakraBar& bar)
{
    if (!bar.visible)
        return {};
    return QRectF(pixels(bar.leftTwips), kMargin + pixels(kBarOffset + bar.topTwips),
                  pixels(kBarWidth), pixels(bar.heightTwips));
}

} // namespace

ChakraChart::ChakraChart(QWidget* parent)
    : QWidget(parent)
{
    setObjectName(QStringLiteral("chakraChart"));
    setAccessibleName(QStringLiteral("Chakra scores"));
    for (int k = 0; k < kChakraCount; ++k)
        m_bars[std::size_t(k)] = chakraBar(ChakraId(k), 0);
}

void ChakraChart::setScores(const PerChakra<int>& scores)
{
    QStringList description;
    for (int k = 0; k < kChakraCount; ++k) {
        m_bars[std::size_t(k)] = chakraBar(ChakraId(k), scores[std::size_t(k)]);
        description.append(QStringLiteral("%1 %2 %")
                               .arg(chakraInfo(ChakraId(k)).chartLabel)
                               .arg(m_bars[std::size_t(k)].percent));
    }
    setAccessibleDescription(description.join(QStringLiteral(", ")));
    update();
}

QRectF ChakraChart::barRect(ChakraId id) const
{
    return barRectOf(m_bars[chakraIndex(id)]);
}

QSizeF chakraChartSize(double labelHeight)
{
    return {pixels(kBaseLineRight) + 8, kMargin + pixels(kChartLabelTop) + labelHeight + 4};
}

QSize ChakraChart::sizeHint() const
{
    return QSize(int(pixels(kBaseLineRight)) + 8,
                 int(kMargin + pixels(kChartLabelTop)) + fontMetrics().height() + 4);
}

void ChakraChart::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    paintChakraChart(painter, m_bars, font(), palette().color(QPalette::WindowText));
}

void paintChakraChart(QPainter& painter, const PerChakra<ChakraBar>& bars, const QFont& font,
                      const QColor& ink)
{
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing, false);
    painter.setFont(font);
    painter.setPen(QPen(ink, 1));
    const QFontMetricsF metrics(font, painter.device());
    // Each bar carries its percentage above it, so the value is read, not guessed from a length.
    const double textHeight = metrics.height();
    for (int k = 0; k < kChakraCount; ++k) {
        const ChakraBar& bar = bars[std::size_t(k)];
        const QRectF rect = barRectOf(bar);
        if (rect.isEmpty())
            continue;
        painter.fillRect(rect, chakraInfo(ChakraId(k)).barColour);
        const double width = pixels(kBarPitch);
        painter.drawText(
            QRectF(rect.center().x() - width / 2, rect.top() - textHeight - 2, width, textHeight),
            Qt::AlignHCenter | Qt::AlignBottom, QStringLiteral("%1 %").arg(bar.percent));
    }
    const double lineY = kMargin + pixels(kBaseLineY);
    painter.drawLine(QPointF(pixels(kBaseLineLeft), lineY), QPointF(pixels(kBaseLineRight), lineY));

    // Labels are centred under their bars; the longest ("Third Eye") is wider than a bar.
    const double labelTop = kMargin + pixels(kChartLabelTop);
    for (int k = 0; k < kChakraCount; ++k) {
        const double centre = pixels(kBarLeft + kBarPitch * k + kBarWidth / 2.0);
        const double width = pixels(kBarPitch);
        painter.drawText(QRectF(centre - width / 2, labelTop, width, textHeight),
                         Qt::AlignHCenter | Qt::AlignTop, chakraInfo(ChakraId(k)).chartLabel);
    }
    painter.restore();
}

} // namespace tarvo
