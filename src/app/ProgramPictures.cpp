#include "app/ProgramPictures.h"

#include "pictures/Pictures.h"

#include <QIcon>

namespace tarvo {

namespace {

constexpr pictures::ProgramPicture kButtonPictures[] = {pictures::ProgramPicture::LearnYoga,
                                                        pictures::ProgramPicture::ZodiacYoga,
                                                        pictures::ProgramPicture::ChakraYoga};

} // namespace

QPixmap programButtonPicture(int option, QSize size, qreal devicePixelRatio)
{
    if (option < 0 || option > 2)
        return {};
    return QPixmap::fromImage(
        pictures::programPicture(kButtonPictures[option], size, devicePixelRatio));
}

QString programButtonDescription(int option)
{
    return option < 0 || option > 2 ? QString()
                                     : pictures::programPictureDescription(kButtonPictures[option]);
}

QString emblemDescription()
{
    return pictures::programPictureDescription(pictures::ProgramPicture::Emblem);
}

QPixmap emblemPicture(QSize size, qreal devicePixelRatio)
{
    return QPixmap::fromImage(
        pictures::programPicture(pictures::ProgramPicture::Emblem, size, devicePixelRatio));
}

QIcon programIcon()
{
    QIcon icon;
    for (int side : {16, 32, 48, 64, 128, 256})
        icon.addPixmap(emblemPicture(QSize(side, side), 1.0));
    return icon;
}

} // namespace tarvo
