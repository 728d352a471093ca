#pragma once

#include "report/PrintablePage.h"

#include <optional>

namespace tarvo {

// A view whose teaching text can go on paper: the main window's Print and Export as PDF ask
// the active view for its page.
class PrintableView {
public:
    virtual ~PrintableView() = default;

    // The page as the view shows it now; nothing while it shows no teaching text.
    virtual std::optional<PrintablePage> printablePage() const = 0;
};

} // namespace tarvo
