#include "pictures/Canvas.h"
#include "pictures/FigurePainter.h"
#include "pictures/Pictures.h"
#include "pictures/PoseLibrary.h"
#include "pictures/SignGlyphs.h"

#include <QPainterPath>
#include <QRadialGradient>
#include <QtMath>

namespace tarvo::pictures {

namespace {

void paintRoundel(QPainter& p, const QRectF& box, int signIndex)
{
    const Element element = elementOfSign(signIndex);
    const QColor ink = elementInk(element);
    const double r = std::min(box.width(), box.height()) / 2;
    const QPointF c = box.center();
    QRadialGradient wash(c, r);
    wash.setColorAt(0, Qt::white);
    wash.setColorAt(1, elementWash(element));
    p.setPen(QPen(ink, r * 0.07));
    p.setBrush(wash);
    p.drawEllipse(c, r * 0.93, r * 0.93);
    p.setPen(QPen(ink.lighter(150), r * 0.02));
    p.setBrush(Qt::NoBrush);
    p.drawEllipse(c, r * 0.8, r * 0.8);
    p.save();
    p.translate(c);
    p.scale(r * 0.5, r * 0.5);
    p.setPen(QPen(ink, 0.13, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.drawPath(signGlyph(signIndex));
    p.restore();
}

// Seven centres from the base of the spine to the crown.
void paintChakraPoints(QPainter& p, const Pose& pose, const FigureLayout& l)
{
    static const QColor colours[7] = {{255, 0, 0}, {255, 128, 0}, {255, 255, 0},  {0, 128, 0},
                                      {0, 0, 255}, {68, 51, 164}, {154, 100, 236}};
    const Skeleton s = solve(pose);
    const double r = halfThickness(Joint::HeadCentre);
    const QPointF up = (s.headCentre - s.neckTop) / r;
    const QPointF points[7] = {
        s.pelvis + (s.waist - s.pelvis) * 0.1, s.pelvis + (s.waist - s.pelvis) * 0.55,
        s.waist + (s.chest - s.waist) * 0.15,  s.waist + (s.chest - s.waist) * 0.62,
        s.chest + (s.neckTop - s.chest) * 0.6, s.headCentre + up * (r * 0.2),
        s.headCentre + up * (r * 1.05)};
    for (int i = 0; i < 7; ++i) {
        QRadialGradient glow(l.map(points[i]), 3.2 * l.scale);
        glow.setColorAt(0, colours[i]);
        glow.setColorAt(0.55, colours[i]);
        glow.setColorAt(1, QColor(255, 255, 255, 0));
        p.setPen(Qt::NoPen);
        p.setBrush(glow);
        p.drawEllipse(l.map(points[i]), 3.2 * l.scale, 3.2 * l.scale);
    }
}

void paintBook(QPainter& p, const FigureLayout& l)
{
    const double u = l.scale;
    const QPointF base = l.map({0, 0}) + QPointF(0, -1.5 * u);
    for (double side : {-1.0, 1.0}) {
        QPainterPath page;
        page.moveTo(base);
        page.cubicTo(base + QPointF(side * 6 * u, -3 * u), base + QPointF(side * 12 * u, -1 * u),
                     base + QPointF(side * 16 * u, -2 * u));
        page.lineTo(base + QPointF(side * 16 * u, 5 * u));
        page.cubicTo(base + QPointF(side * 12 * u, 6 * u), base + QPointF(side * 6 * u, 4 * u),
                     base + QPointF(0, 7 * u));
        page.closeSubpath();
        p.setPen(QPen(QColor(92, 58, 44), 0.8 * u));
        p.setBrush(QColor(252, 248, 236));
        p.drawPath(page);
        p.setPen(QPen(QColor(150, 140, 120), 0.5 * u));
        for (int line = 1; line <= 3; ++line) {
            const QPointF a = base + QPointF(side * 3 * u, (line * 1.5) * u);
            p.drawLine(a, a + QPointF(side * 10 * u, 0));
        }
    }
}

void paintWheel(QPainter& p, const QRectF& area)
{
    const QPointF c = area.center();
    const double r = std::min(area.width(), area.height()) * 0.46;
    for (int i = 0; i < 12; ++i) {
        const Element e = elementOfSign(i);
        QPainterPath sector;
        sector.moveTo(c);
        // Aries at the left, the signs following anticlockwise as on a chart.
        sector.arcTo(QRectF(c.x() - r, c.y() - r, 2 * r, 2 * r), 165 + i * 30, 30);
        sector.closeSubpath();
        p.setPen(QPen(Qt::white, r * 0.02));
        p.setBrush(elementWash(e));
        p.drawPath(sector);
        const double mid = qDegreesToRadians(180.0 + i * 30);
        const QPointF at = c + QPointF(std::cos(mid), -std::sin(mid)) * (r * 0.72);
        p.save();
        p.translate(at);
        p.scale(r * 0.11, r * 0.11);
        p.setPen(QPen(elementInk(e), 0.2, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
        p.setBrush(Qt::NoBrush);
        p.drawPath(signGlyph(i));
        p.restore();
    }
    p.setPen(QPen(QColor(120, 100, 60), r * 0.03));
    p.setBrush(Qt::NoBrush);
    p.drawEllipse(c, r, r);
    QRadialGradient sun(c, r * 0.4);
    sun.setColorAt(0, QColor(255, 236, 150));
    sun.setColorAt(1, QColor(240, 170, 60));
    p.setBrush(sun);
    p.drawEllipse(c, r * 0.4, r * 0.4);
}

void paintEmblem(QPainter& p, const QRectF& area)
{
    const QPointF c = area.center();
    const double r = std::min(area.width(), area.height()) * 0.47;
    QRadialGradient ground(c, r);
    ground.setColorAt(0, QColor(72, 150, 148));
    ground.setColorAt(1, QColor(34, 92, 98));
    p.setPen(QPen(QColor(240, 200, 110), r * 0.06));
    p.setBrush(ground);
    p.drawEllipse(c, r * 0.95, r * 0.95);
    // The rising sun behind the lotus.
    QRadialGradient sun(c + QPointF(0, -r * 0.15), r * 0.42);
    sun.setColorAt(0, QColor(255, 240, 170));
    sun.setColorAt(1, QColor(245, 175, 70));
    p.setPen(Qt::NoPen);
    p.setBrush(sun);
    p.drawEllipse(c + QPointF(0, -r * 0.15), r * 0.38, r * 0.38);
    const QPointF base = c + QPointF(0, r * 0.42);
    const double petals[5][2] = {{-62, 0.55}, {-32, 0.7}, {0, 0.8}, {32, 0.7}, {62, 0.55}};
    for (const auto& petal : petals) {
        p.save();
        p.translate(base);
        p.rotate(petal[0]);
        const double len = r * petal[1];
        QPainterPath leaf;
        leaf.moveTo(0, 0);
        leaf.cubicTo(len * 0.42, -len * 0.35, len * 0.22, -len * 0.85, 0, -len);
        leaf.cubicTo(-len * 0.22, -len * 0.85, -len * 0.42, -len * 0.35, 0, 0);
        QLinearGradient shade(0, 0, 0, -len);
        shade.setColorAt(0, QColor(214, 96, 140));
        shade.setColorAt(1, QColor(250, 206, 222));
        p.setPen(QPen(QColor(150, 50, 90), r * 0.02));
        p.setBrush(shade);
        p.drawPath(leaf);
        p.restore();
    }
    p.setPen(QPen(QColor(240, 200, 110), r * 0.04, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(base + QPointF(-r * 0.6, r * 0.08), base + QPointF(r * 0.6, r * 0.08));
}

} // namespace

bool paintSignPicture(QPainter& painter, int signIndex, const QRectF& area)
{
    if (signIndex < 0 || signIndex > 11 || area.isEmpty())
        return false;
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing);
    paintBackground(painter, area);
    paintRoundel(painter, area.adjusted(2, 2, -2, -2), signIndex);
    painter.restore();
    return true;
}

QImage signPicture(int signIndex, QSize logicalSize, qreal dpr)
{
    if (signIndex < 0 || signIndex > 11)
        return {};
    QImage image = makeCanvas(logicalSize, dpr);
    if (image.isNull())
        return image;
    QPainter p(&image);
    paintSignPicture(p, signIndex, QRectF(QPointF(0, 0), QSizeF(logicalSize)));
    return image;
}

QImage programPicture(ProgramPicture which, QSize logicalSize, qreal dpr)
{
    QImage image = makeCanvas(logicalSize, dpr);
    if (image.isNull())
        return image;
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    const QRectF area(QPointF(0, 0), QSizeF(logicalSize));
    paintBackground(p, area);
    switch (which) {
    case ProgramPicture::LearnYoga:
        if (const Pose* pose = findPose(QStringLiteral("Padmasana")))
            paintBook(p, paintFigure(p, *pose, area));
        break;
    case ProgramPicture::ZodiacYoga:
        paintWheel(p, area);
        break;
    case ProgramPicture::ChakraYoga:
        if (const Pose* pose = findPose(QStringLiteral("Siddhasana")))
            paintChakraPoints(p, *pose, paintFigure(p, *pose, area));
        break;
    case ProgramPicture::Emblem:
        paintEmblem(p, area);
        break;
    }
    return image;
}

void paintProgramEmblem(QPainter& painter, const QRectF& area)
{
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing);
    paintEmblem(painter, area);
    painter.restore();
}

} // namespace tarvo::pictures
