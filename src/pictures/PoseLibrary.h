#pragma once

#include "pictures/Skeleton.h"

#include <QJsonObject>

#include <optional>

namespace tarvo::pictures {

// The pose records of content/poses, read once; one record per library asana.
const Pose* findPose(const QString& libraryName);

// A record that lacks a field or names an unknown joint is rejected rather than half-read.
std::optional<Pose> poseFromJson(const QJsonObject& record);

} // namespace tarvo::pictures
