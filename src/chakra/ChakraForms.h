#pragma once

#include <QString>

class QGroupBox;
class QWidget;

namespace tarvo {

struct AppContext;

inline const QString kChakraCaption = QStringLiteral("Tarvo Chakra Yoga");

// The frame of the three promotion links (the home page, the co-branded and the fully branded
// edition), each opening its maker page.
QGroupBox* chakraPromotionFrame(const AppContext& context, QWidget* form);

} // namespace tarvo
