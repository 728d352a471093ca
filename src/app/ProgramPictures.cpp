#include "app/ProgramPictures.h"

#include "pictures/Pictures.h"

#include <QIcon>

namespace tarvo {

QPixmap programButtonPicture(int option, QSize size, qreal devicePixelRatio)
{
    using pictures::ProgramPicture;
    static constexpr ProgramPicture kinds[] = {ProgramPicture::LearnYoga,
                                               ProgramPicture::ZodiacYoga,
                                               ProgramPicture::ChakraYoga};
    if (option < 0 || option > 2)
        return {};
    return QPixmap::fromImage(
        pictures::programPicture(kinds[option], size, devicePixelRatio));
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
