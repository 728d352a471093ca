#include "app/ProgramPictures.h"

#include "pictures/Pictures.h"

#include <QIcon>
#include <QIconEngine>
#include <QPainter>
#include <QPixmapCache>

namespace tarvo {

namespace {

constexpr pictures::ProgramPicture kButtonPictures[] = {pictures::ProgramPicture::LearnYoga,
                                                        pictures::ProgramPicture::ZodiacYoga,
                                                        pictures::ProgramPicture::ChakraYoga};

// The pictures are drawn in code; each size is drawn once and kept, so a window that repaints its
// title bar or the main window its buttons does not draw them again.
QPixmap cachedPicture(pictures::ProgramPicture picture, QSize size, qreal devicePixelRatio)
{
    const QString key = QStringLiteral("tarvo-program-%1-%2x%3@%4")
                            .arg(int(picture))
                            .arg(size.width())
                            .arg(size.height())
                            .arg(devicePixelRatio);
    QPixmap pixmap;
    if (!QPixmapCache::find(key, &pixmap)) {
        pixmap = QPixmap::fromImage(pictures::programPicture(picture, size, devicePixelRatio));
        QPixmapCache::insert(key, pixmap);
    }
    return pixmap;
}

} // namespace

QPixmap programButtonPicture(int option, QSize size, qreal devicePixelRatio)
{
    if (option < 0 || option > 2)
        return {};
    return cachedPicture(kButtonPictures[option], size, devicePixelRatio);
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
    return cachedPicture(pictures::ProgramPicture::Emblem, size, devicePixelRatio);
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
