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
    const ChakraBar& bar = m_bars[chakraIndex(id)];
    if (!bar.visible)
        return {};
    return QRectF(pixels(bar.leftTwips), kMargin + pixels(kBarOffset + bar.topTwips),
                  pixels(kBarWidth), pixels(bar.heightTwips));
}

QSize ChakraChart::sizeHint() const
{
    const int labelHeight = fontMetrics().height();
    return QSize(int(pixels(kBaseLineRight)) + 8,
                 int(kMargin + pixels(kChartLabelTop)) + labelHeight + 4);
}

void ChakraChart::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing, false);
    painter.setPen(QPen(palette().color(QPalette::WindowText), 1));
    // Each bar carries its percentage above it, so the value is read, not guessed from a length.
    const double textHeight = fontMetrics().height();
    for (int k = 0; k < kChakraCount; ++k) {
        const QRectF rect = barRect(ChakraId(k));
        if (rect.isEmpty())
            continue;
        painter.fillRect(rect, chakraInfo(ChakraId(k)).barColour);
        const double width = pixels(kBarPitch);
        painter.drawText(
            QRectF(rect.center().x() - width / 2, rect.top() - textHeight - 2, width, textHeight),
            Qt::AlignHCenter | Qt::AlignBottom,
            QStringLiteral("%1 %").arg(m_bars[std::size_t(k)].percent));
    }
    const double lineY = kMargin + pixels(kBaseLineY);
    painter.drawLine(QPointF(pixels(kBaseLineLeft), lineY), QPointF(pixels(kBaseLineRight), lineY));

    // Labels are centred under their bars; the longest ("Third Eye") is wider than a bar.
    const double labelTop = kMargin + pixels(kChartLabelTop);
    for (int k = 0; k < kChakraCount; ++k) {
        const double centre = pixels(kBarLeft + kBarPitch * k + kBarWidth / 2.0);
        const double width = pixels(kBarPitch);
        painter.drawText(QRectF(centre - width / 2, labelTop, width, fontMetrics().height()),
                         Qt::AlignHCenter | Qt::AlignTop, chakraInfo(ChakraId(k)).chartLabel);
    }
}

} // namespace tarvo
