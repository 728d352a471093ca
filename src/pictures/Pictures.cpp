#include "pictures/Pictures.h"

#include "pictures/Canvas.h"
#include "pictures/FigurePainter.h"
#include "pictures/PoseLibrary.h"

#include <QHash>
#include <QRegularExpression>

namespace tarvo::pictures {

QStringList poseNames()
{
    static const QStringList names = {
        QStringLiteral("Anjali Mudra"), QStringLiteral("Ardhachandrasana"),
        QStringLiteral("Ardhamatsyendrasana"), QStringLiteral("Bhujangasana"),
        QStringLiteral("Dhanurasana"), QStringLiteral("Garudasana"), QStringLiteral("Gomukhasana"),
        QStringLiteral("Halasana"), QStringLiteral("Kukkutasana"), QStringLiteral("Makarasana"),
        QStringLiteral("Mandukasana"), QStringLiteral("Matsyasana"), QStringLiteral("Mayurasana"),
        QStringLiteral("Noukasana"), QStringLiteral("Padmasana"), QStringLiteral("Parvatasana"),
        QStringLiteral("Paschimottanasana"), QStringLiteral("Pavanamuktasana"),
        QStringLiteral("Sarvangasana"), QStringLiteral("Shalabhasana"), QStringLiteral("Shavasana"),
        QStringLiteral("Siddhasana"), QStringLiteral("Simhasana"), QStringLiteral("Suptavajrasana"),
        QStringLiteral("Tadasana"), QStringLiteral("Trikonasana"), QStringLiteral("Ustrasana"),
        QStringLiteral("Uttanasana"), QStringLiteral("Vajrasana"), QStringLiteral("Veerasana"),
        QStringLiteral("Vrikshasana"), QStringLiteral("Yoga Mudra")};
    return names;
}

QString libraryPoseName(const QString& nameOrKey)
{
    // The Zodiac catalogue spells three asanas its own way.
    static const QHash<QString, QString> aliases = {
        {QStringLiteral("Savasana"), QStringLiteral("Shavasana")},
        {QStringLiteral("Paschimottasana"), QStringLiteral("Paschimottanasana")},
        {QStringLiteral("Naukasana"), QStringLiteral("Noukasana")}};
    const QString name = aliases.value(nameOrKey, nameOrKey);
    return poseNames().contains(name) ? name : QString();
}

QString chakraPoseName(const QString& imageKey)
{
    // A two-digit order, the asana's name and the file extension of the original pictures.
    static const QRegularExpression pictureKey(QStringLiteral(R"(^\d\d(.+)\.jpg$)"));
    const auto match = pictureKey.match(imageKey);
    return match.hasMatch() ? libraryPoseName(match.captured(1)) : QString();
}

QImage asanaPicture(const QString& name, QSize logicalSize, qreal devicePixelRatio)
{
    const Pose* pose = findPose(libraryPoseName(name));
    QImage image = pose ? makeCanvas(logicalSize, devicePixelRatio) : QImage();
    if (image.isNull())
        return image;
    QPainter painter(&image);
    const QRectF area(QPointF(0, 0), QSizeF(logicalSize));
    paintBackground(painter, area);
    paintFigure(painter, *pose, area);
    return image;
}

QImage chakraAsanaPicture(const QString& imageKey, QSize logicalSize, qreal dpr)
{
    const QString name = chakraPoseName(imageKey);
    return name.isEmpty() ? QImage() : asanaPicture(name, logicalSize, dpr);
}

} // namespace tarvo::pictures
