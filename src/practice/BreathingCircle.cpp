#include "practice/BreathingCircle.h"

#include <QPainter>
#include <algorithm>

namespace tarvo {

namespace {

// Breathed out the circle keeps a third of its size, so the count inside stays readable.
constexpr double kEmptyShare = 0.36;
const QColor kFill(0x7f, 0xb8, 0xa4);
const QColor kRing(0x3e, 0x7d, 0x6a);
const QColor kTrack(0xd9, 0xe8, 0xe2);

} // namespace

BreathingCircle::BreathingCircle(QWidget* parent)
    : QWidget(parent)
{
    setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Expanding);
    // It paints all of itself, so a frame of the breath repaints nothing behind it: not the
    // window, its title bar or its icon.
    setAttribute(Qt::WA_OpaquePaintEvent);
    setAccessibleName(QStringLiteral("Breathing circle"));
    setAccessibleDescription(QStringLiteral("Not started"));
}

void BreathingCircle::showBreath(double fullness, const QString& count, const QString& description)
{
    fullness = std::clamp(fullness, 0.0, 1.0);
    if (fullness != m_fullness || count != m_count) {
        m_fullness = fullness;
        m_count = count;
        update();
    }
    if (description != accessibleDescription())
        setAccessibleDescription(description);
}

double BreathingCircle::radius() const
{
    const double largest = std::min(width(), height()) / 2.0 - 6.0;
    return std::max(largest, 0.0) * (kEmptyShare + (1.0 - kEmptyShare) * m_fullness);
}

void BreathingCircle::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    painter.fillRect(rect(), palette().window());
    painter.setRenderHint(QPainter::Antialiasing);
    const QPointF centre = QRectF(rect()).center();
    const double largest = std::max(std::min(width(), height()) / 2.0 - 6.0, 0.0);
    // The full size stays drawn faintly, so the breath can be seen filling towards it.
    painter.setPen(QPen(kTrack, 2, Qt::DashLine));
    painter.setBrush(Qt::NoBrush);
    painter.drawEllipse(centre, largest, largest);

    const double r = radius();
    painter.setPen(QPen(kRing, 3));
    painter.setBrush(kFill);
    painter.drawEllipse(centre, r, r);

    if (m_count.isEmpty())
        return;
    QFont figures = font();
    figures.setPixelSize(std::max(int(largest * kEmptyShare * 0.9), 12));
    figures.setBold(true);
    painter.setFont(figures);
    painter.setPen(Qt::white);
    painter.drawText(QRectF(centre.x() - r, centre.y() - r, 2 * r, 2 * r), Qt::AlignCenter,
                     m_count);
}

} // namespace tarvo
