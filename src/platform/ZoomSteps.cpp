#include "platform/ZoomSteps.h"

#include <algorithm>
#include <array>

namespace tarvo {

namespace {

// Small steps near actual size, where a reader fine-tunes; larger ones further out.
constexpr std::array kSteps = {50, 67, 80, 90, 100, 110, 125, 150, 175, 200, 250, 300};

} // namespace

int zoomedIn(int percent)
{
    const auto next = std::upper_bound(kSteps.begin(), kSteps.end(), percent);
    return next == kSteps.end() ? std::max(percent, kLargestZoom) : *next;
}

int zoomedOut(int percent)
{
    const auto next = std::lower_bound(kSteps.begin(), kSteps.end(), percent);
    return next == kSteps.begin() ? std::min(percent, kSmallestZoom) : *(next - 1);
}

int zoomFromSetting(const QString& stored)
{
    bool ok = false;
    const int percent = stored.trimmed().toInt(&ok);
    return ok && percent >= kSmallestZoom && percent <= kLargestZoom ? percent : kActualSize;
}

double scaledFontSize(double size, int percent)
{
    return size * percent / kActualSize;
}

} // namespace tarvo
