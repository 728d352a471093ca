#pragma once

#include "pictures/Skeleton.h"

#include <QJsonObject>
#include <optional>

namespace tarvo::pictures {

// The pose records of content/poses, read once; one record per library asana.
const Pose* findPose(const QString& libraryName);

// The content record of a library asana's pose, with its picture description; empty for a
// name that is not in the library.
QJsonObject poseRecord(const QString& libraryName);

// A record that lacks a field or names an unknown joint is rejected rather than half-read.
std::optional<Pose> poseFromJson(const QJsonObject& record);

} // namespace tarvo::pictures
