#pragma once

#include "zodiac/ZodiacFieldWidgets.h"

class QLabel;
class QTabWidget;
class QWidget;

namespace tarvo {

class LinkLabel;

// "Sun Sign Characteristics": the picture and the sign's fields. The picture box and the
// "Lucky Color" caption are returned for the window to wire.
QWidget* buildCharacteristicsTab(FieldBindings& bindings, QLabel** picture,
                                 LinkLabel** colourCaption);

// "Health Ailments" with its two inner tabs, "Sun Sign and Diet" and "Sun Sign and Fitness".
QTabWidget* buildHealthTabs(FieldBindings& bindings);

} // namespace tarvo
