#pragma once

namespace tarvo {

// The window geometry of the program is laid out in twips; at 96 dpi a logical pixel is 15 twips.
inline constexpr int kTwipsPerPixel = 15;

constexpr int twipsToPixels(int twips)
{
    return twips / kTwipsPerPixel;
}

constexpr int pixelsToTwips(int pixels)
{
    return pixels * kTwipsPerPixel;
}

} // namespace tarvo
