#include "pictures/FigurePainter.h"

#include <QLinearGradient>
#include <QPainterPath>
#include <QtMath>
#include <algorithm>

namespace tarvo::pictures {

namespace {

const QColor kOutline(92, 58, 44);
const QColor kNearSkin(238, 184, 142);
const QColor kFarSkin(196, 140, 104);
const QColor kTop(64, 140, 138);
const QColor kFarTop(44, 104, 104);
const QColor kHair(70, 46, 36);
constexpr double kOutlineWidth = 1.0;

struct Bounds {
    double left = 1e9, right = -1e9, bottom = 1e9, top = -1e9;
    void add(QPointF p, double r)
    {
        left = std::min(left, p.x() - r);
        right = std::max(right, p.x() + r);
        bottom = std::min(bottom, p.y() - r);
        top = std::max(top, p.y() + r);
    }
};

Bounds boundsOf(const Skeleton& s)
{
    Bounds b;
    for (Joint j : {Joint::Pelvis, Joint::Waist, Joint::Chest, Joint::NeckTop, Joint::HeadCentre})
        b.add(s.point(j), halfThickness(j) + kOutlineWidth);
    for (Joint j : {Joint::Shoulder, Joint::Elbow, Joint::Wrist, Joint::Fingertip, Joint::Hip,
                    Joint::Knee, Joint::Ankle, Joint::Toe})
        for (Side side : {Side::Left, Side::Right})
            b.add(s.point(j, side), halfThickness(j) + kOutlineWidth);
    return b;
}

class Drawer {
public:
    Drawer(QPainter& painter, const FigureLayout& layout)
        : m_p(painter)
        , m_l(layout)
    {
    }

    // Outline first, then fill, segment by segment, so overlapping limbs stay apart.
    void segment(QPointF a, QPointF b, double halfWidth, const QColor& fill)
    {
        stroke(a, b, halfWidth + kOutlineWidth, kOutline);
        stroke(a, b, halfWidth, fill);
    }
    void chain(const std::vector<std::pair<QPointF, double>>& points, const QColor& fill)
    {
        for (std::size_t i = 1; i < points.size(); ++i)
            stroke(points[i - 1].first, points[i].first,
                   std::min(points[i - 1].second, points[i].second) + kOutlineWidth, kOutline);
        for (std::size_t i = 1; i < points.size(); ++i)
            stroke(points[i - 1].first, points[i].first,
                   std::min(points[i - 1].second, points[i].second), fill);
    }
    void disc(QPointF c, double r, const QColor& fill)
    {
        m_p.setPen(QPen(kOutline, kOutlineWidth * m_l.scale));
        m_p.setBrush(fill);
        m_p.drawEllipse(m_l.map(c), r * m_l.scale, r * m_l.scale);
    }
    QPainter& painter() { return m_p; }
    const FigureLayout& layout() const { return m_l; }

private:
    void stroke(QPointF a, QPointF b, double halfWidth, const QColor& colour)
    {
        m_p.setPen(QPen(colour, 2 * halfWidth * m_l.scale, Qt::SolidLine, Qt::RoundCap));
        m_p.drawLine(m_l.map(a), m_l.map(b));
    }
    QPainter& m_p;
    const FigureLayout& m_l;
};

void drawArm(Drawer& d, const Skeleton::Limb& arm, bool near)
{
    const QColor skin = near ? kNearSkin : kFarSkin;
    d.chain({{arm.root, halfThickness(Joint::Shoulder)}, {arm.middle, halfThickness(Joint::Elbow)}},
            near ? kTop : kFarTop);
    d.chain({{arm.middle, halfThickness(Joint::Elbow) - 0.3},
             {arm.end, halfThickness(Joint::Wrist)},
             {arm.tip, halfThickness(Joint::Fingertip)}},
            skin);
}

// Thigh and lower leg are outlined apart, so a shin folded back over its thigh, as in the
// lotus, stays visible instead of merging with it.
void drawThigh(Drawer& d, const Skeleton::Limb& leg, bool near)
{
    d.chain({{leg.root, halfThickness(Joint::Hip)}, {leg.middle, halfThickness(Joint::Knee)}},
            near ? kNearSkin : kFarSkin);
}

void drawLowerLeg(Drawer& d, const Skeleton::Limb& leg, bool near)
{
    d.chain({{leg.middle, halfThickness(Joint::Knee)},
             {leg.end, halfThickness(Joint::Ankle)},
             {leg.tip, halfThickness(Joint::Toe)}},
            near ? kNearSkin : kFarSkin);
}

void drawLeg(Drawer& d, const Skeleton::Limb& leg, bool near)
{
    drawThigh(d, leg, near);
    drawLowerLeg(d, leg, near);
}

void drawHead(Drawer& d, const Skeleton& s, const Pose& pose)
{
    d.segment(s.chest, s.neckTop, halfThickness(Joint::NeckTop), kNearSkin);
    const double r = halfThickness(Joint::HeadCentre);
    d.disc(s.headCentre, r, kNearSkin);

    QPainter& p = d.painter();
    const FigureLayout& l = d.layout();
    const QPointF c = s.headCentre;
    const QPointF up = (c - s.neckTop) / std::hypot(c.x() - s.neckTop.x(), c.y() - s.neckTop.y());
    const QPointF face = s.face;
    const double px = l.scale;

    // Hair covers the crown and, in profile, the back of the head.
    QPainterPath head;
    head.addEllipse(l.map(c), (r - 0.2) * px, (r - 0.2) * px);
    QPainterPath cap;
    const QPointF capDir = pose.view == View::Side ? (up - face * 0.9) : up;
    const double len = std::hypot(capDir.x(), capDir.y());
    const QPointF n = capDir / len;
    const QPointF t(-n.y(), n.x());
    const QPointF base = c + n * (pose.view == View::Side ? 0.05 * r : 0.35 * r);
    QPolygonF half;
    for (QPointF q : {base + t * 2 * r, base + t * 2 * r + n * 2 * r, base - t * 2 * r + n * 2 * r,
                      base - t * 2 * r})
        half << l.map(q);
    cap.addPolygon(half);
    p.setPen(Qt::NoPen);
    p.setBrush(kHair);
    p.drawPath(head.intersected(cap));

    p.setBrush(kOutline);
    if (pose.view == View::Side) {
        p.setBrush(kNearSkin);
        p.setPen(QPen(kOutline, kOutlineWidth * px));
        p.drawEllipse(l.map(c + face * (r * 0.98) - up * (r * 0.1)), 1.1 * px, 1.1 * px);
        p.setPen(Qt::NoPen);
        p.setBrush(kOutline);
        p.drawEllipse(l.map(c + face * (r * 0.55) + up * (r * 0.12)), 0.7 * px, 0.7 * px);
        if (pose.roar) {
            p.setBrush(QColor(200, 70, 80));
            p.drawEllipse(l.map(c + face * (r * 0.95) - up * (r * 0.65)), 1.4 * px, 2.0 * px);
        }
    } else {
        const QPointF side(up.y(), -up.x());
        for (double k : {-1.0, 1.0})
            p.drawEllipse(l.map(c + side * (k * r * 0.38) + up * (r * 0.05)), 0.7 * px, 0.7 * px);
    }
}

void drawTrunk(Drawer& d, const Skeleton& s, const Pose& pose)
{
    if (pose.view == View::Side) {
        d.chain({{s.pelvis, halfThickness(Joint::Pelvis)},
                 {s.waist, halfThickness(Joint::Waist)},
                 {s.chest, halfThickness(Joint::Chest)}},
                kTop);
        return;
    }
    const FigureLayout& l = d.layout();
    QPolygonF body;
    for (QPointF q : {s.arms[1].root, s.arms[0].root, s.waist + (s.arms[0].root - s.chest) * 0.7,
                      s.legs[0].root + (s.legs[0].root - s.pelvis) * 0.45,
                      s.legs[1].root + (s.legs[1].root - s.pelvis) * 0.45,
                      s.waist + (s.arms[1].root - s.chest) * 0.7})
        body << l.map(q);
    QPainter& p = d.painter();
    p.setPen(QPen(kOutline, 7.0 * l.scale, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.setBrush(kOutline);
    p.drawPolygon(body);
    p.setPen(QPen(kTop, 5.0 * l.scale, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.setBrush(kTop);
    p.drawPolygon(body);
}

} // namespace

FigureLayout layoutFigure(const Skeleton& skeleton, const QRectF& area)
{
    const double margin = std::min(area.width(), area.height()) * 0.07;
    FigureLayout layout;
    layout.margins = area.adjusted(margin, margin, -margin, -margin);
    const Bounds b = boundsOf(skeleton);
    const double w = b.right - b.left;
    const double h = b.top - b.bottom;
    // Never larger than a standing figure would be, so a lying pose does not swell.
    const double cap = std::min(layout.margins.width(), layout.margins.height()) / 100.0;
    layout.scale = std::min({layout.margins.width() / w, layout.margins.height() / h, cap});
    const double drawnHeight = h * layout.scale;
    const double floorY =
        std::min(layout.margins.bottom(),
                 std::max(area.center().y() + drawnHeight / 2, area.top() + area.height() * 0.74));
    const double left = layout.margins.center().x() - w * layout.scale / 2;
    layout.origin = {left - b.left * layout.scale, floorY + b.bottom * layout.scale};
    return layout;
}

void paintBackground(QPainter& painter, const QRectF& area)
{
    QLinearGradient sky(area.topLeft(), area.bottomLeft());
    sky.setColorAt(0, QColor(236, 243, 240));
    sky.setColorAt(1, QColor(214, 229, 224));
    painter.fillRect(area, sky);
}

FigureLayout paintFigure(QPainter& painter, const Pose& pose, const QRectF& area)
{
    const Skeleton s = solve(pose);
    const FigureLayout l = layoutFigure(s, area);
    painter.setRenderHint(QPainter::Antialiasing);

    const double matHeight = std::max(2.0, area.height() * 0.025);
    const QRectF mat(area.left() + area.width() * 0.05, l.floorY(), area.width() * 0.9, matHeight);
    painter.setPen(Qt::NoPen);
    painter.setBrush(QColor(132, 112, 160));
    painter.drawRoundedRect(mat, matHeight / 2, matHeight / 2);

    Drawer d(painter, l);
    if (pose.view == View::Side) {
        const std::size_t nearSide = pose.facingLeft ? 1 : 0;
        const std::size_t farSide = 1 - nearSide;
        drawArm(d, s.arms[farSide], false);
        drawLeg(d, s.legs[farSide], false);
        drawTrunk(d, s, pose);
        drawHead(d, s, pose);
        drawLeg(d, s.legs[nearSide], true);
        drawArm(d, s.arms[nearSide], true);
    } else {
        for (std::size_t i = 0; i < 2; ++i)
            if (pose.armBehind[i])
                drawArm(d, s.arms[i], false);
        drawTrunk(d, s, pose);
        drawHead(d, s, pose);
        // Both thighs before either shin: in the lotus each foot rests on the other thigh.
        for (std::size_t i = 0; i < 2; ++i)
            drawThigh(d, s.legs[i], true);
        for (std::size_t i = 0; i < 2; ++i)
            drawLowerLeg(d, s.legs[i], true);
        for (std::size_t i = 0; i < 2; ++i)
            if (!pose.armBehind[i])
                drawArm(d, s.arms[i], true);
    }
    return l;
}

} // namespace tarvo::pictures
