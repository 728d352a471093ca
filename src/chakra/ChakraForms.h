#pragma once

#include <QString>

class QGroupBox;
class QWidget;

namespace tarvo {

struct AppContext;

inline const QString kChakraCaption = QStringLiteral("Tarvo Chakra Yoga");

// fraFullBrand with Label61, lblCobrand and lblFullBrand, each opening its maker page.
QGroupBox* chakraPromotionFrame(const AppContext& context, QWidget* form);

} // namespace tarvo
