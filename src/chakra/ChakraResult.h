#pragma once

#include "chakra/ChakraTestSession.h"
#include "report/RichReport.h"

namespace tarvo {

// The chart as designed, in twips: bars stand on a common bottom edge, full height 1995.
inline constexpr int kBarFullHeight = 1995;
inline constexpr int kBarWidth = 345;
inline constexpr int kBarLeft = 480;
inline constexpr int kBarPitch = 870;
inline constexpr int kBaseLineY = 2250;
inline constexpr int kBaseLineLeft = 180;
inline constexpr int kBaseLineRight = 6480;
inline constexpr int kChartLabelTop = 2310;

struct ChakraBar {
    bool visible = false;
    int percent = 0;
    double heightTwips = 0;
    double topTwips = kBarFullHeight;
    int leftTwips = 0;
};

// Score as a whole percentage of 8, halves going to the even neighbour (12.5 -> 12, 37.5 -> 38).
int chartPercent(int score);
ChakraBar chakraBar(ChakraId id, int score);

// Palette indices of the result text.
inline constexpr int kResultBlack = 0;
inline constexpr int kResultTeal = 3;
inline constexpr int kResultMaroon = 4;

// Name, description, state and, for a chakra that is not open, how to open it, for every
// chosen chakra in order.
RichReport chakraResultReport(const ChakraTestSession& session);

} // namespace tarvo
