#pragma once

namespace tarvo {

// A reading text that sizes its own text for a zoom, where scaling its widget font would miss
// sizes written into the text itself.
class ZoomableText {
public:
    virtual ~ZoomableText() = default;
    virtual void setZoomPercent(int percent) = 0;

protected:
    ZoomableText() = default;
    ZoomableText(const ZoomableText&) = default;
    ZoomableText& operator=(const ZoomableText&) = default;
};

} // namespace tarvo
