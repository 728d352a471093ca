#include "pictures/Pictures.h"
#include "pictures/PoseLibrary.h"
#include "pictures/SignGlyphs.h"

namespace tarvo::pictures {

QString asanaPictureDescription(const QString& nameOrKey)
{
    QString name = libraryPoseName(nameOrKey);
    if (name.isEmpty())
        name = chakraPoseName(nameOrKey);
    // Written from the pose record and kept beside it, so a screen reader hears what the
    // figure is doing.
    return name.isEmpty() ? QString() : poseRecord(name).value(u"description").toString();
}

QString signPictureDescription(int signIndex)
{
    static const char16_t* const signs[12] = {
        u"Aries: the Ram's horns",
        u"Taurus: the Bull's head, a circle crowned with horns",
        u"Gemini: the Twins, two upright strokes joined at top and bottom",
        u"Cancer: the Crab, two curls turned against each other",
        u"Leo: the Lion, a loop with a curling tail",
        u"Virgo: the Maiden, an M with a looped tail",
        u"Libra: the Scales, an arch above a level line",
        u"Scorpio: the Scorpion, an M with an arrowed tail",
        u"Sagittarius: the Archer's arrow, pointing up and to the right",
        u"Capricorn: the Sea-Goat, a V with a looped tail",
        u"Aquarius: the Water Bearer, two waves one above the other",
        u"Pisces: the Fishes, two arcs back to back joined by a line",
    };
    if (signIndex < 0 || signIndex > 11)
        return {};
    static const char16_t* const elements[4] = {u"fire", u"earth", u"air", u"water"};
    return QStringLiteral("The sign of %1, drawn in the colours of %2")
        .arg(QString::fromUtf16(signs[signIndex]),
             QString::fromUtf16(elements[static_cast<int>(elementOfSign(signIndex))]));
}

QString programPictureDescription(ProgramPicture which)
{
    switch (which) {
    case ProgramPicture::LearnYoga:
        return QStringLiteral("A figure sitting in the lotus pose with an open book before it");
    case ProgramPicture::ZodiacYoga:
        return QStringLiteral("A wheel of the twelve zodiac signs around a golden sun");
    case ProgramPicture::ChakraYoga:
        return QStringLiteral("A figure sitting in meditation with the seven chakras glowing along "
                              "the spine, red at the base to violet at the crown");
    case ProgramPicture::Emblem:
        return QStringLiteral(
            "The Tarvo Yoga emblem: a pink lotus before a rising sun in a teal circle");
    }
    return {};
}

} // namespace tarvo::pictures
