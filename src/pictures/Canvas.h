#pragma once

#include <QImage>
#include <QPainter>

namespace tarvo::pictures {

// A transparent-free image of the logical size, sharp at the given pixel ratio.
inline QImage makeCanvas(QSize logicalSize, qreal dpr)
{
    if (logicalSize.isEmpty() || dpr <= 0)
        return {};
    QImage image(logicalSize * dpr, QImage::Format_ARGB32_Premultiplied);
    image.setDevicePixelRatio(dpr);
    image.fill(Qt::white);
    return image;
}

} // namespace tarvo::pictures
