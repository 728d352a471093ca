#include "pictures/Skeleton.h"

#include <QtMath>
#include <algorithm>
#include <vector>

namespace tarvo::pictures {

namespace {

QPointF along(QPointF from, double degrees, double length)
{
    const double r = qDegreesToRadians(degrees);
    return from + QPointF(length * std::cos(r), length * std::sin(r));
}

QPointF direction(double degrees)
{
    return along({}, degrees, 1.0);
}

constexpr std::array<Joint, 13> kAllJoints = {
    Joint::Pelvis,   Joint::Waist, Joint::Chest, Joint::NeckTop,   Joint::HeadCentre,
    Joint::Shoulder, Joint::Elbow, Joint::Wrist, Joint::Fingertip, Joint::Hip,
    Joint::Knee,     Joint::Ankle, Joint::Toe};

bool isLimbJoint(Joint joint)
{
    return joint >= Joint::Shoulder;
}

} // namespace

double halfThickness(Joint joint)
{
    switch (joint) {
    case Joint::Pelvis:
        return 6.5;
    case Joint::Waist:
        return 5.5;
    case Joint::Chest:
        return 6.0;
    case Joint::NeckTop:
        return 2.5;
    case Joint::HeadCentre:
        return 6.5;
    case Joint::Shoulder:
        return 3.0;
    case Joint::Elbow:
        return 2.6;
    case Joint::Wrist:
        return 2.0;
    case Joint::Fingertip:
        return 1.7;
    case Joint::Hip:
        return 4.5;
    case Joint::Knee:
        return 3.5;
    case Joint::Ankle:
        return 2.2;
    case Joint::Toe:
        return 1.6;
    }
    return 0;
}

QPointF Skeleton::point(Joint joint, Side side) const
{
    const auto& arm = arms[static_cast<std::size_t>(side)];
    const auto& leg = legs[static_cast<std::size_t>(side)];
    switch (joint) {
    case Joint::Pelvis:
        return pelvis;
    case Joint::Waist:
        return waist;
    case Joint::Chest:
        return chest;
    case Joint::NeckTop:
        return neckTop;
    case Joint::HeadCentre:
        return headCentre;
    case Joint::Shoulder:
        return arm.root;
    case Joint::Elbow:
        return arm.middle;
    case Joint::Wrist:
        return arm.end;
    case Joint::Fingertip:
        return arm.tip;
    case Joint::Hip:
        return leg.root;
    case Joint::Knee:
        return leg.middle;
    case Joint::Ankle:
        return leg.end;
    case Joint::Toe:
        return leg.tip;
    }
    return {};
}

Skeleton solve(const Pose& pose, const Proportions& body)
{
    const bool front = pose.view == View::Front;
    Skeleton s;
    const double torsoDir = 90 - pose.torso;
    const double chestDir = torsoDir - pose.spine;
    const double neckDir = chestDir - pose.neck;
    const double headDir = neckDir - pose.head;
    s.pelvis = {};
    s.waist = along(s.pelvis, torsoDir, body.lowerTorso);
    s.chest = along(s.waist, chestDir, body.upperTorso);
    s.neckTop = along(s.chest, neckDir, body.neck);
    s.headCentre = along(s.neckTop, headDir, body.headRadius);
    s.face = direction(headDir - 90);

    for (std::size_t i = 0; i < 2; ++i) {
        // Front view: the person's right side is on the picture's left, and "outward" turns
        // that way; side view: every limb bends in the same sense.
        const double sign = front ? (i == static_cast<std::size_t>(Side::Right) ? -1.0 : 1.0) : 1.0;
        const double across = front ? sign : 0.0;
        const QPointF shoulderOffset = direction(chestDir - 90) * (across * body.shoulderHalfWidth);
        const QPointF hipOffset = direction(torsoDir - 90) * (across * body.hipHalfWidth);

        const LimbAngles& a = pose.arms[i];
        auto& arm = s.arms[i];
        const double upperDir = chestDir + 180 + sign * a.root;
        const double foreDir = upperDir + sign * a.middle;
        arm.root = s.chest + shoulderOffset;
        arm.middle = along(arm.root, upperDir, body.upperArm);
        arm.end = along(arm.middle, foreDir, body.forearm);
        arm.tip = along(arm.end, foreDir + sign * a.end, body.hand);

        const LimbAngles& l = pose.legs[i];
        auto& leg = s.legs[i];
        const double thighDir = torsoDir + 180 + sign * l.root;
        const double shinDir = front ? thighDir + sign * l.middle : thighDir - l.middle;
        const double footDir = shinDir + sign * (90 - l.end);
        leg.root = s.pelvis + hipOffset;
        leg.middle =
            along(leg.root, thighDir, body.thigh * std::cos(qDegreesToRadians(pose.thighDepth)));
        leg.end =
            along(leg.middle, shinDir, body.shin * std::cos(qDegreesToRadians(pose.shinDepth)));
        leg.tip = along(leg.end, footDir, body.foot(pose.view));
    }

    if (pose.facingLeft) {
        auto flip = [](QPointF& p) { p.setX(-p.x()); };
        for (QPointF* p : {&s.pelvis, &s.waist, &s.chest, &s.neckTop, &s.headCentre, &s.face})
            flip(*p);
        for (auto* limbs : {&s.arms, &s.legs})
            for (auto& limb : *limbs)
                for (QPointF* p : {&limb.root, &limb.middle, &limb.end, &limb.tip})
                    flip(*p);
    }
    if (pose.lookBack)
        s.face = -s.face;

    double lowest = 1e9;
    for (Joint joint : kAllJoints) {
        for (Side side : {Side::Left, Side::Right}) {
            lowest = std::min(lowest, s.point(joint, side).y() - halfThickness(joint));
            if (!isLimbJoint(joint))
                break;
        }
    }
    const QPointF lift(0, -lowest);
    for (QPointF* p : {&s.pelvis, &s.waist, &s.chest, &s.neckTop, &s.headCentre})
        *p += lift;
    for (auto* limbs : {&s.arms, &s.legs})
        for (auto& limb : *limbs)
            for (QPointF* p : {&limb.root, &limb.middle, &limb.end, &limb.tip})
                *p += lift;
    return s;
}

QPointF centreOfMass(const Skeleton& s)
{
    // Shares of body mass: trunk, head and neck, then upper arm, forearm, hand, thigh, shank
    // and foot of each side.
    struct Segment {
        QPointF a, b;
        double share;
    };
    std::vector<Segment> segments = {{s.pelvis, s.chest, 0.497}, {s.chest, s.headCentre, 0.081}};
    for (std::size_t i = 0; i < 2; ++i) {
        const auto& arm = s.arms[i];
        const auto& leg = s.legs[i];
        segments.push_back({arm.root, arm.middle, 0.028});
        segments.push_back({arm.middle, arm.end, 0.016});
        segments.push_back({arm.end, arm.tip, 0.006});
        segments.push_back({leg.root, leg.middle, 0.100});
        segments.push_back({leg.middle, leg.end, 0.0465});
        segments.push_back({leg.end, leg.tip, 0.0145});
    }
    QPointF sum;
    double total = 0;
    for (const Segment& segment : segments) {
        sum += (segment.a + segment.b) / 2 * segment.share;
        total += segment.share;
    }
    return sum / total;
}

std::optional<std::pair<Joint, Side>> jointByName(const QString& name)
{
    static const QStringList trunk = {QStringLiteral("pelvis"), QStringLiteral("waist"),
                                      QStringLiteral("chest"), QStringLiteral("neck"),
                                      QStringLiteral("head")};
    static const QStringList limb = {QStringLiteral("shoulder"), QStringLiteral("elbow"),
                                     QStringLiteral("wrist"),    QStringLiteral("hand"),
                                     QStringLiteral("hip"),      QStringLiteral("knee"),
                                     QStringLiteral("ankle"),    QStringLiteral("toe")};
    if (const qsizetype t = trunk.indexOf(name); t >= 0)
        return std::pair{kAllJoints[static_cast<std::size_t>(t)], Side::Left};
    const QStringList parts = name.split(QLatin1Char('.'));
    if (parts.size() != 2)
        return std::nullopt;
    const qsizetype l = limb.indexOf(parts[1]);
    if (l < 0)
        return std::nullopt;
    const Joint joint = kAllJoints[static_cast<std::size_t>(5 + l)];
    if (parts[0] == QLatin1String("left"))
        return std::pair{joint, Side::Left};
    if (parts[0] == QLatin1String("right"))
        return std::pair{joint, Side::Right};
    return std::nullopt;
}

} // namespace tarvo::pictures
