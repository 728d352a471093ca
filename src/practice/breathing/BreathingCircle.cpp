#include "practice/breathing/BreathingCircle.h"

#include <QPaintEvent>
#include <QPainter>
#include <QPixmap>
#include <algorithm>

namespace tarvo {

namespace {

// Breathed out the circle keeps a third of its size, so the count inside stays readable.
constexpr double kEmptyShare = 0.36;
const QColor kFill(0x7f, 0xb8, 0xa4);
const QColor kRing(0x3e, 0x7d, 0x6a);
const QColor kTrack(0xd9, 0xe8, 0xe2);
constexpr double kRingWidth = 3.0;

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
    // A frame is drawn only when the circle has grown or shrunk by a whole pixel, so a slow
    // breath asks for far fewer than the animation's 60 a second.
    const double before = radius();
    m_fullness = fullness;
    const int pixels = qRound(radius() * devicePixelRatioF());
    if (pixels != m_paintedPixels || count != m_count) {
        m_paintedPixels = pixels;
        m_count = count;
        // Only the square around the larger of the old and the new circle changes.
        const double reach = std::max(before, radius()) + kRingWidth;
        const QPointF centre = QRectF(rect()).center();
        update(
            QRectF(centre.x() - reach, centre.y() - reach, 2 * reach, 2 * reach).toAlignedRect());
    }
    if (description != accessibleDescription())
        setAccessibleDescription(description);
}

double BreathingCircle::radius() const
{
    const double largest = std::min(width(), height()) / 2.0 - 6.0;
    return std::max(largest, 0.0) * (kEmptyShare + (1.0 - kEmptyShare) * m_fullness);
}

QPixmap BreathingCircle::track() const
{
    const qreal ratio = devicePixelRatioF();
    const QSize pixels = size() * ratio;
    if (m_track.size() == pixels && m_track.devicePixelRatio() == ratio)
        return m_track;
    // Drawn once a size: stroking the dashes is the dearest part of a frame.
    m_track = QPixmap(pixels);
    m_track.setDevicePixelRatio(ratio);
    m_track.fill(palette().window().color());
    QPainter painter(&m_track);
    painter.setRenderHint(QPainter::Antialiasing);
    const double largest = std::max(std::min(width(), height()) / 2.0 - 6.0, 0.0);
    // The full size stays drawn faintly, so the breath can be seen filling towards it.
    painter.setPen(QPen(kTrack, 2, Qt::DashLine));
    painter.drawEllipse(QRectF(rect()).center(), largest, largest);
    return m_track;
}

void BreathingCircle::paintEvent(QPaintEvent* event)
{
    QPainter painter(this);
    const QRect dirty = event->rect();
    const qreal ratio = devicePixelRatioF();
    painter.drawPixmap(dirty, track(),
                       QRectF(QPointF(dirty.topLeft()) * ratio, QSizeF(dirty.size()) * ratio));
    painter.setRenderHint(QPainter::Antialiasing);
    const QPointF centre = QRectF(rect()).center();
    const double largest = std::max(std::min(width(), height()) / 2.0 - 6.0, 0.0);
    // The ring is a filled disc under a smaller one: two fills cost less than a stroke.
    const double r = radius();
    painter.setPen(Qt::NoPen);
    painter.setBrush(kRing);
    painter.drawEllipse(centre, r + kRingWidth / 2, r + kRingWidth / 2);
    painter.setBrush(kFill);
    painter.drawEllipse(centre, r - kRingWidth / 2, r - kRingWidth / 2);

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
