#include "pictures/Pictures.h"

#include "asanas/AsanaCatalogue.h"
#include "contentindex/ContentIndex.h"
#include "pictures/Canvas.h"
#include "pictures/FigurePainter.h"
#include "pictures/PoseLibrary.h"

#include <QHash>
#include <QRegularExpression>

namespace tarvo::pictures {

QStringList poseNames()
{
    // From the content index: one pose record per library asana, in catalogue order.
    static const QStringList names = [] {
        QStringList list;
        for (const contentindex::Asana& asana : contentindex::asanas())
            list.append(asana.name);
        return list;
    }();
    return names;
}

QString libraryPoseName(const QString& nameOrKey)
{
    return libraryAsanaName(nameOrKey);
}

QString chakraPoseName(const QString& imageKey)
{
    // A two-digit order, the asana's name and the file extension of the original pictures.
    static const QRegularExpression pictureKey(QStringLiteral(R"(^\d\d(.+)\.jpg$)"));
    const auto match = pictureKey.match(imageKey);
    return match.hasMatch() ? libraryPoseName(match.captured(1)) : QString();
}

bool paintAsanaPicture(QPainter& painter, const QString& name, const QRectF& area)
{
    const Pose* pose = findPose(libraryPoseName(name));
    if (!pose || area.isEmpty())
        return false;
    painter.save();
    paintBackground(painter, area);
    paintFigure(painter, *pose, area);
    painter.restore();
    return true;
}

QImage asanaPicture(const QString& name, QSize logicalSize, qreal devicePixelRatio)
{
    if (!findPose(libraryPoseName(name)))
        return {};
    QImage image = makeCanvas(logicalSize, devicePixelRatio);
    if (image.isNull())
        return image;
    QPainter painter(&image);
    paintAsanaPicture(painter, name, QRectF(QPointF(0, 0), QSizeF(logicalSize)));
    return image;
}

QImage chakraAsanaPicture(const QString& imageKey, QSize logicalSize, qreal dpr)
{
    const QString name = chakraPoseName(imageKey);
    return name.isEmpty() ? QImage() : asanaPicture(name, logicalSize, dpr);
}

} // namespace tarvo::pictures
