#include "practice/journal/WeeklyMinutesChart.h"

#include <QPainter>
#include <algorithm>

namespace tarvo::practice {

namespace {

constexpr double kMargin = 8;
constexpr double kBarShare = 0.6;
constexpr int kBarAreaHeight = 120;
const QColor kBarColour(0x3f, 0x7f, 0x6a);

// Bars are drawn against at least this many minutes, so a first practice of a few seconds is a
// sliver, not a full-height bar.
constexpr double kLeastScaleMinutes = 10;

// A practice of seconds is not written as 0, which would read as none.
QString minutesText(double minutes)
{
    return minutes > 0 && qRound(minutes) == 0 ? QStringLiteral("<1")
                                               : QString::number(qRound(minutes));
}

QString spokenMinutes(double minutes)
{
    return minutes > 0 && qRound(minutes) == 0 ? QStringLiteral("under 1 min")
                                               : QStringLiteral("%1 min").arg(qRound(minutes));
}

QString mondayText(const QDate& monday)
{
    return monday.toString(QStringLiteral("d MMM"));
}

} // namespace

WeeklyMinutesChart::WeeklyMinutesChart(QWidget* parent)
    : QWidget(parent)
{
    setObjectName(QStringLiteral("chartWeeks"));
    setAccessibleName(QStringLiteral("Minutes per week"));
    setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Fixed);
}

void WeeklyMinutesChart::setWeeks(const QList<WeekMinutes>& weeks)
{
    m_weeks = weeks;
    QStringList description;
    for (const WeekMinutes& week : weeks) {
        description.append(QStringLiteral("week of %1: %2")
                               .arg(week.monday.toString(QStringLiteral("d MMMM yyyy")),
                                    spokenMinutes(week.minutes)));
    }
    setAccessibleDescription(description.join(QStringLiteral(", ")));
    update();
}

double WeeklyMinutesChart::slotWidth() const
{
    return m_weeks.isEmpty() ? 0 : (width() - 2 * kMargin) / double(m_weeks.size());
}

double WeeklyMinutesChart::baseLine() const
{
    return kMargin + fontMetrics().height() + 2 + kBarAreaHeight;
}

QRectF WeeklyMinutesChart::barRect(qsizetype week) const
{
    if (week < 0 || week >= m_weeks.size())
        return {};
    double most = kLeastScaleMinutes;
    for (const WeekMinutes& w : m_weeks)
        most = std::max(most, w.minutes);
    if (m_weeks[week].minutes <= 0)
        return {};
    // A week of half a minute still shows as a sliver, not as nothing.
    const double height = std::max(1.0, kBarAreaHeight * m_weeks[week].minutes / most);
    const double slot = slotWidth();
    return QRectF(kMargin + slot * double(week) + slot * (1 - kBarShare) / 2, baseLine() - height,
                  slot * kBarShare, height);
}

QSize WeeklyMinutesChart::sizeHint() const
{
    const int labels = fontMetrics().horizontalAdvance(QStringLiteral("30 Sep")) + 8;
    return {int(2 * kMargin) + 12 * labels, int(baseLine() + fontMetrics().height() + kMargin)};
}

QSize WeeklyMinutesChart::minimumSizeHint() const
{
    return sizeHint();
}

void WeeklyMinutesChart::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    painter.setPen(palette().color(QPalette::WindowText));
    const double slot = slotWidth();
    const double text = fontMetrics().height();
    const double line = baseLine();
    for (qsizetype w = 0; w < m_weeks.size(); ++w) {
        const double left = kMargin + slot * double(w);
        const QRectF bar = barRect(w);
        const double top = bar.isEmpty() ? line : bar.top();
        if (!bar.isEmpty())
            painter.fillRect(bar, kBarColour);
        // The minutes are written on every bar, so values are read, not guessed from lengths.
        painter.drawText(QRectF(left, top - text - 2, slot, text),
                         Qt::AlignHCenter | Qt::AlignBottom, minutesText(m_weeks[w].minutes));
        painter.drawText(QRectF(left, line + 2, slot, text), Qt::AlignHCenter | Qt::AlignTop,
                         mondayText(m_weeks[w].monday));
    }
    painter.drawLine(QPointF(kMargin, line), QPointF(width() - kMargin, line));
}

} // namespace tarvo::practice
