#include "app/ProgramPictures.h"

#include "pictures/Pictures.h"

#include <QIcon>
#include <QIconEngine>
#include <QPainter>

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

namespace {

// Draws the emblem at whatever size is asked for, when it is asked for: sharp at every size, and
// nothing drawn at start-up for sizes no one shows.
class EmblemIconEngine final : public QIconEngine {
public:
    void paint(QPainter* painter, const QRect& rect, QIcon::Mode, QIcon::State) override
    {
        const qreal ratio = painter->device() ? painter->device()->devicePixelRatioF() : 1.0;
        painter->drawPixmap(rect, emblemPicture(rect.size(), ratio));
    }
    QIconEngine* clone() const override { return new EmblemIconEngine; }
};

} // namespace

QIcon programIcon()
{
    return QIcon(new EmblemIconEngine);
}

} // namespace tarvo
