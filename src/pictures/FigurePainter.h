#pragma once

#include "pictures/Skeleton.h"

#include <QPainter>
#include <QRectF>

namespace tarvo::pictures {

// Where a posed figure lands in a picture: figure units (y up) to pixels (y down).
struct FigureLayout {
    double scale = 1;
    QPointF origin; // pixel position of figure point (0, 0), which lies on the floor line
    QRectF margins; // the area every part of the figure stays inside
    QPointF map(QPointF figurePoint) const
    {
        return {origin.x() + figurePoint.x() * scale, origin.y() - figurePoint.y() * scale};
    }
    double floorY() const { return origin.y(); }
};

FigureLayout layoutFigure(const Skeleton& skeleton, const QRectF& area);

void paintBackground(QPainter& painter, const QRectF& area);
// Draws the mat under the figure and the figure itself; returns the layout used.
FigureLayout paintFigure(QPainter& painter, const Pose& pose, const QRectF& area);

} // namespace tarvo::pictures
