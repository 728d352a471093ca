#pragma once

#include <QColor>
#include <QPainterPath>

namespace tarvo::pictures {

enum class Element { Fire, Earth, Air, Water };

// Signs cycle fire, earth, air, water from Aries on.
Element elementOfSign(int signIndex);
QColor elementInk(Element element);
QColor elementWash(Element element);

// The sign's glyph as open strokes in a box from (-1, -1) to (1, 1), y down.
QPainterPath signGlyph(int signIndex);

} // namespace tarvo::pictures
