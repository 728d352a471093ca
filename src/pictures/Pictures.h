#pragma once

#include <QImage>
#include <QSize>
#include <QStringList>

class QPainter;
class QRectF;

namespace tarvo::pictures {

// Null for a name that is neither a library asana nor one of the Zodiac spellings.
QImage asanaPicture(const QString& name, QSize logicalSize, qreal devicePixelRatio = 1.0);
// "01Mandukasana.jpg" shows Mandukasana.
QImage chakraAsanaPicture(const QString& imageKey, QSize logicalSize, qreal dpr = 1.0);
// 0 Aries .. 11 Pisces; null outside that range.
QImage signPicture(int signIndex, QSize logicalSize, qreal dpr = 1.0);

// The same pictures drawn into any painter (a printer's or PDF writer's, so they stay lines
// and fills); false, and nothing drawn, where the functions above give a null image.
bool paintAsanaPicture(QPainter& painter, const QString& name, const QRectF& area);
bool paintSignPicture(QPainter& painter, int signIndex, const QRectF& area);

enum class ProgramPicture { LearnYoga, ZodiacYoga, ChakraYoga, Emblem };
QImage programPicture(ProgramPicture which, QSize logicalSize, qreal dpr = 1.0);
// The emblem alone, leaving the painter's ground as it is: the desktop icons (PNG with a
// transparent ground, and SVG) are drawn with it.
void paintProgramEmblem(QPainter& painter, const QRectF& area);

QStringList poseNames();

// What the pictures above show, in words for screen readers; empty where there is no picture.
QString asanaPictureDescription(const QString& nameOrKey);
QString signPictureDescription(int signIndex);
QString programPictureDescription(ProgramPicture which);

// The library name a catalogue spelling stands for; empty if none.
QString libraryPoseName(const QString& nameOrKey);
// The library name a chakra picture key stands for; empty if none.
QString chakraPoseName(const QString& imageKey);

} // namespace tarvo::pictures
