#pragma once

#include <QPixmap>
#include <QWidget>

namespace tarvo {

// A circle that fills as the lungs do, with the count in large figures in its middle.
class BreathingCircle final : public QWidget {
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(BreathingCircle)

public:
    explicit BreathingCircle(QWidget* parent = nullptr);

    // fullness runs from 0 (breathed out) to 1 (breathed in); count may be empty.
    void showBreath(double fullness, const QString& count, const QString& description);
    double fullness() const { return m_fullness; }
    QString count() const { return m_count; }
    // The circle's radius in pixels at the present size and fullness.
    double radius() const;

    QSize sizeHint() const override { return {320, 320}; }
    QSize minimumSizeHint() const override { return {220, 220}; }

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QPixmap track() const;

    mutable QPixmap m_track;
    double m_fullness = 0.0;
    int m_paintedPixels = -1;
    QString m_count;
};

} // namespace tarvo
