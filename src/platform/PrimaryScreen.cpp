#include "platform/PrimaryScreen.h"

#include "platform/Twips.h"

#include <QGuiApplication>
#include <QScreen>

namespace tarvo {

QSize PrimaryScreen::sizeInTwips() const
{
    const QScreen* screen = QGuiApplication::primaryScreen();
    if (!screen)
        return {};
    const QSize pixels = screen->availableGeometry().size();
    return {pixelsToTwips(pixels.width()), pixelsToTwips(pixels.height())};
}

} // namespace tarvo
