#pragma once

#include <QPixmap>

namespace tarvo {

// The picture beside option button `option` (0 Learn, 1 Zodiac, 2 Chakra Yoga).
QPixmap programButtonPicture(int option, QSize size, qreal devicePixelRatio);
// The program's emblem, used by the About box and as the window icon.
QPixmap emblemPicture(QSize size, qreal devicePixelRatio);
// What those pictures show, for screen readers.
QString programButtonDescription(int option);
QString emblemDescription();
QIcon programIcon();

} // namespace tarvo
