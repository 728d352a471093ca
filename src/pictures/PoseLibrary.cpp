#include "pictures/PoseLibrary.h"

#include "contentindex/ContentIndex.h"
#include "platform/ContentFile.h"

#include <map>

namespace tarvo::pictures {

namespace {

std::optional<LimbAngles> limbFromJson(const QJsonValue& value)
{
    const QJsonArray angles = value.toArray();
    if (angles.size() != 3)
        return std::nullopt;
    for (const QJsonValue& angle : angles)
        if (!angle.isDouble())
            return std::nullopt;
    return LimbAngles{angles[0].toDouble(), angles[1].toDouble(), angles[2].toDouble()};
}

} // namespace

std::optional<Pose> poseFromJson(const QJsonObject& record)
{
    Pose pose;
    pose.name = record.value(QLatin1String("name")).toString();
    const QString view = record.value(QLatin1String("view")).toString();
    if (pose.name.isEmpty() || (view != QLatin1String("side") && view != QLatin1String("front")))
        return std::nullopt;
    pose.view = view == QLatin1String("side") ? View::Side : View::Front;
    pose.facingLeft = record.value(QLatin1String("facing")).toString() == QLatin1String("left");
    pose.lookBack = record.value(QLatin1String("lookBack")).toBool();
    pose.roar = record.value(QLatin1String("roar")).toBool();
    pose.torso = record.value(QLatin1String("torso")).toDouble();
    pose.spine = record.value(QLatin1String("spine")).toDouble();
    pose.neck = record.value(QLatin1String("neck")).toDouble();
    pose.head = record.value(QLatin1String("head")).toDouble();
    pose.thighDepth = record.value(QLatin1String("thighDepth")).toDouble();
    pose.shinDepth = record.value(QLatin1String("shinDepth")).toDouble();
    for (double depth : {pose.thighDepth, pose.shinDepth})
        if (depth < 0 || depth >= 90)
            return std::nullopt;

    const char* const limbKeys[4] = {"leftArm", "rightArm", "leftLeg", "rightLeg"};
    for (std::size_t i = 0; i < 4; ++i) {
        const auto limb = limbFromJson(record.value(QLatin1String(limbKeys[i])));
        if (!limb)
            return std::nullopt;
        (i < 2 ? pose.arms[i] : pose.legs[i - 2]) = *limb;
    }
    const QStringList behind = stringList(record.value(QLatin1String("armsBehind")));
    pose.armBehind = {behind.contains(QLatin1String("left")),
                      behind.contains(QLatin1String("right"))};

    pose.supports = stringList(record.value(QLatin1String("supports")));
    if (pose.supports.isEmpty())
        return std::nullopt;
    for (const QString& support : std::as_const(pose.supports))
        if (!jointByName(support))
            return std::nullopt;
    return pose;
}

QJsonObject poseRecord(const QString& libraryName)
{
    for (const contentindex::Asana& asana : contentindex::asanas()) {
        if (asana.name == libraryName)
            return readContentObject(asana.poseFile);
    }
    return {};
}

const Pose* findPose(const QString& libraryName)
{
    // Each pose is read when first drawn, so start-up reads only the poses its pictures show.
    // A map, not a hash: handed-out pointers must survive later insertions.
    static std::map<QString, std::optional<Pose>> poses;
    auto it = poses.find(libraryName);
    if (it == poses.end()) {
        std::optional<Pose> pose = poseFromJson(poseRecord(libraryName));
        if (pose && pose->name != libraryName)
            pose.reset();
        it = poses.emplace(libraryName, std::move(pose)).first;
    }
    return it->second ? &*it->second : nullptr;
}

} // namespace tarvo::pictures
