#include "pictures/SignGlyphs.h"

#include <QTransform>

namespace tarvo::pictures {

namespace {

QPainterPath mirrored(const QPainterPath& path)
{
    return QTransform::fromScale(-1, 1).map(path);
}

QPainterPath humps(int count)
{
    QPainterPath p;
    const double step = 0.4;
    for (int i = 0; i < count; ++i) {
        const double x = -0.75 + i * step;
        p.moveTo(x, i == 0 ? -0.6 : -0.35);
        if (i == 0)
            p.lineTo(x, 0.6);
        p.moveTo(x, -0.35);
        p.cubicTo(x, -0.75, x + step, -0.75, x + step, -0.35);
        if (i + 1 < count)
            p.lineTo(x + step, 0.6);
    }
    return p;
}

} // namespace

Element elementOfSign(int signIndex)
{
    return static_cast<Element>(((signIndex % 4) + 4) % 4);
}

QColor elementInk(Element element)
{
    switch (element) {
    case Element::Fire:
        return {178, 52, 38};
    case Element::Earth:
        return {88, 110, 48};
    case Element::Air:
        return {168, 128, 30};
    case Element::Water:
        return {38, 96, 160};
    }
    return Qt::black;
}

QColor elementWash(Element element)
{
    switch (element) {
    case Element::Fire:
        return {250, 218, 204};
    case Element::Earth:
        return {226, 234, 206};
    case Element::Air:
        return {250, 240, 200};
    case Element::Water:
        return {210, 228, 246};
    }
    return Qt::white;
}

QPainterPath signGlyph(int signIndex)
{
    QPainterPath p;
    switch (signIndex) {
    case 0: { // Aries: the ram's horns
        QPainterPath horn;
        horn.moveTo(0, 0.85);
        horn.lineTo(0, -0.25);
        horn.cubicTo(0, -0.85, -0.6, -0.95, -0.72, -0.55);
        horn.cubicTo(-0.8, -0.28, -0.62, -0.12, -0.48, -0.14);
        p.addPath(horn);
        p.addPath(mirrored(horn));
        break;
    }
    case 1: // Taurus: head and horns
        p.addEllipse(QPointF(0, 0.3), 0.45, 0.45);
        p.moveTo(-0.78, -0.78);
        p.cubicTo(-0.55, -0.12, 0.55, -0.12, 0.78, -0.78);
        break;
    case 2: // Gemini: the twins
        p.moveTo(-0.7, -0.72);
        p.quadTo(0, -0.5, 0.7, -0.72);
        p.moveTo(-0.7, 0.72);
        p.quadTo(0, 0.5, 0.7, 0.72);
        p.moveTo(-0.3, -0.62);
        p.lineTo(-0.3, 0.62);
        p.moveTo(0.3, -0.62);
        p.lineTo(0.3, 0.62);
        break;
    case 3: { // Cancer: two claws
        QPainterPath claw;
        claw.addEllipse(QPointF(-0.45, -0.28), 0.22, 0.22);
        claw.moveTo(-0.45, -0.5);
        claw.cubicTo(0.0, -0.82, 0.62, -0.62, 0.78, -0.25);
        p.addPath(claw);
        p.addPath(QTransform::fromScale(-1, -1).map(claw));
        break;
    }
    case 4: // Leo: the mane and tail
        p.addEllipse(QPointF(-0.45, 0.38), 0.25, 0.25);
        p.moveTo(-0.28, 0.2);
        p.cubicTo(-0.62, -0.5, -0.12, -0.92, 0.25, -0.72);
        p.cubicTo(0.62, -0.48, 0.18, 0.08, 0.25, 0.5);
        p.cubicTo(0.3, 0.82, 0.62, 0.8, 0.78, 0.58);
        break;
    case 5: // Virgo
        p.addPath(humps(3));
        p.moveTo(0.45, -0.35);
        p.lineTo(0.45, 0.35);
        p.cubicTo(0.45, 0.75, 0.85, 0.4, 0.85, 0.0);
        p.moveTo(0.45, 0.35);
        p.cubicTo(0.45, 0.8, 0.2, 0.9, 0.05, 0.85);
        break;
    case 6: // Libra: the scales
        p.moveTo(-0.82, 0.58);
        p.lineTo(0.82, 0.58);
        p.moveTo(-0.82, 0.22);
        p.lineTo(-0.34, 0.22);
        p.cubicTo(-0.62, -0.1, -0.42, -0.72, 0, -0.72);
        p.cubicTo(0.42, -0.72, 0.62, -0.1, 0.34, 0.22);
        p.lineTo(0.82, 0.22);
        break;
    case 7: // Scorpio: the sting
        p.addPath(humps(3));
        p.moveTo(0.45, -0.35);
        p.lineTo(0.45, 0.45);
        p.quadTo(0.45, 0.72, 0.68, 0.66);
        p.lineTo(0.86, 0.42);
        p.moveTo(0.6, 0.36);
        p.lineTo(0.86, 0.42);
        p.lineTo(0.9, 0.68);
        break;
    case 8: // Sagittarius: the arrow
        p.moveTo(-0.72, 0.72);
        p.lineTo(0.72, -0.72);
        p.moveTo(0.12, -0.72);
        p.lineTo(0.72, -0.72);
        p.lineTo(0.72, -0.12);
        p.moveTo(-0.5, -0.1);
        p.lineTo(0.1, 0.5);
        break;
    case 9: // Capricorn: the sea-goat
        p.moveTo(-0.82, -0.55);
        p.lineTo(-0.48, 0.5);
        p.lineTo(-0.12, -0.55);
        p.lineTo(0.15, 0.4);
        p.cubicTo(0.28, 0.78, 0.8, 0.7, 0.74, 0.3);
        p.cubicTo(0.68, -0.06, 0.22, 0.0, 0.2, 0.38);
        p.cubicTo(0.18, 0.74, -0.06, 0.9, -0.28, 0.82);
        break;
    case 10: // Aquarius: waves of water
        for (double y : {-0.12, 0.38}) {
            p.moveTo(-0.82, y);
            for (int i = 1; i <= 4; ++i)
                p.lineTo(-0.82 + i * 0.41, i % 2 ? y - 0.3 : y);
        }
        break;
    case 11: { // Pisces: two fish bound together
        QPainterPath fish;
        fish.moveTo(-0.62, -0.8);
        fish.cubicTo(-0.12, -0.4, -0.12, 0.4, -0.62, 0.8);
        p.addPath(fish);
        p.addPath(mirrored(fish));
        p.moveTo(-0.56, 0);
        p.lineTo(0.56, 0);
        break;
    }
    default:
        break;
    }
    return p;
}

} // namespace tarvo::pictures
