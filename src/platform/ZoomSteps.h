#pragma once

#include <QString>

namespace tarvo {

// The text sizes a reader can choose, in percent of the size the texts were written at.
inline constexpr int kActualSize = 100;
inline constexpr int kSmallestZoom = 50;
inline constexpr int kLargestZoom = 300;

// The next step up or down from percent; at an end it stays where it is. A percentage between
// two steps (written in the settings by hand) moves to the nearer step in that direction.
int zoomedIn(int percent);
int zoomedOut(int percent);
// A stored zoom: a whole percentage within the range, anything else counts as actual size.
int zoomFromSetting(const QString& stored);
// A font size (points or pixels) at the zoom.
double scaledFontSize(double size, int percent);

} // namespace tarvo
