#pragma once

#include <QSize>

namespace tarvo {

// The screen size that window placement formulas use, in twips.
class Screen {
public:
    virtual ~Screen() = default;
    virtual QSize sizeInTwips() const = 0;
};

} // namespace tarvo
