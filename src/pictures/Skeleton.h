#pragma once

#include <QPointF>
#include <QString>
#include <QStringList>
#include <array>
#include <optional>

namespace tarvo::pictures {

enum class View { Side, Front };
enum class Side { Left, Right };

// Joint angles in degrees. Zero for every angle is standing upright with the arms hanging.
// Side view (facing right): positive bends forward (flexion), negative bends back.
// Front view: positive turns a limb away from the body's midline.
struct LimbAngles {
    double root = 0;   // shoulder or hip
    double middle = 0; // elbow or knee
    double end = 0;    // wrist or ankle
};

struct Pose {
    QString name;
    View view = View::Side;
    bool facingLeft = false;
    bool lookBack = false; // the face turned over the shoulder, as in a twist
    bool roar = false;     // mouth open, tongue out
    double torso = 0;      // lower torso from vertical
    double spine = 0;      // upper torso against the lower
    double neck = 0;
    double head = 0;
    // Degrees that both thighs, or both shins, point out of the picture plane, as the splayed
    // thighs of the lotus do; the picture shows them shortened.
    double thighDepth = 0;
    double shinDepth = 0;
    std::array<LimbAngles, 2> arms; // indexed by Side
    std::array<LimbAngles, 2> legs;
    std::array<bool, 2> armBehind{}; // front view: the arm passes behind the trunk
    QStringList supports;            // joints that rest on the floor, e.g. "right.toe", "pelvis"
};

enum class Joint {
    Pelvis,
    Waist,
    Chest,
    NeckTop,
    HeadCentre,
    Shoulder,
    Elbow,
    Wrist,
    Fingertip,
    Hip,
    Knee,
    Ankle,
    Toe
};

// Body measures in figure units; a standing figure is about 96 units tall. The front view
// sees the foot end-on, so it has its own, shorter foot.
struct Proportions {
    double lowerTorso = 12, upperTorso = 16, neck = 4, headRadius = 6.5;
    double upperArm = 18, forearm = 15, hand = 7;
    double thigh = 25, shin = 24, sideFoot = 8, frontFoot = 5;
    double shoulderHalfWidth = 9, hipHalfWidth = 5.5;
    double foot(View view) const { return view == View::Side ? sideFoot : frontFoot; }
};

// Half the drawn thickness of the part ending at a joint, so contact with the floor
// is measured at the surface, not at the bone.
double halfThickness(Joint joint);

// The posed figure in figure units, y up, lowest surface point resting on y = 0.
struct Skeleton {
    QPointF pelvis, waist, chest, neckTop, headCentre;
    struct Limb {
        QPointF root, middle, end, tip;
    };
    std::array<Limb, 2> arms, legs;
    QPointF face; // unit vector the face looks along

    QPointF point(Joint joint, Side side = Side::Left) const;
};

Skeleton solve(const Pose& pose, const Proportions& body = {});

// Where the body's weight acts, from the usual share of body mass for each segment, each
// segment's mass at its middle; the figure balances only if this lies over its supports.
QPointF centreOfMass(const Skeleton& skeleton);

// "left.knee", "pelvis", ... as used in the supports list.
std::optional<std::pair<Joint, Side>> jointByName(const QString& name);

} // namespace tarvo::pictures
