#pragma once

#include "platform/Screen.h"

namespace tarvo {

// The primary screen's available geometry, in logical pixels times 15.
class PrimaryScreen final : public Screen {
public:
    QSize sizeInTwips() const override;
};

} // namespace tarvo
