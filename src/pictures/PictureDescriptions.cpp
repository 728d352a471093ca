#include "pictures/Pictures.h"
#include "pictures/SignGlyphs.h"

#include <QHash>

namespace tarvo::pictures {

namespace {

// Written from the pose records, so a screen reader hears what the figure is doing.
const QHash<QString, QString>& poseDescriptions()
{
    static const QHash<QString, QString> descriptions = {
        {QStringLiteral("Anjali Mudra"),
         QStringLiteral("Anjali Mudra, Salutation Seal: sitting cross-legged, upright, with the palms pressed together before the chest")},
        {QStringLiteral("Ardhachandrasana"),
         QStringLiteral("Ardhachandrasana, Half-Moon Pose: balancing on one foot and one hand, the body turned to the side and the other leg raised level with the hip")},
        {QStringLiteral("Ardhamatsyendrasana"),
         QStringLiteral("Ardhamatsyendrasana, Twist Pose: sitting with one knee drawn up across the other leg, the trunk twisted towards the raised knee and one hand on the floor behind")},
        {QStringLiteral("Bhujangasana"),
         QStringLiteral("Bhujangasana, Half- Cobra Pose: lying face down, the hands under the shoulders and the chest lifted, the hips and legs on the floor")},
        {QStringLiteral("Dhanurasana"),
         QStringLiteral("Dhanurasana, Bow Pose: lying face down, the knees bent and the hands holding the ankles, the chest and thighs lifted so the body curves like a bow")},
        {QStringLiteral("Garudasana"),
         QStringLiteral("Garudasana, Eagle Pose: standing on one slightly bent leg with the other leg wrapped round it and the arms entwined before the face")},
        {QStringLiteral("Gomukhasana"),
         QStringLiteral("Gomukhasana, Cow-Face Pose: sitting with one knee stacked over the other, one arm reaching down behind the back to clasp the other hand")},
        {QStringLiteral("Halasana"),
         QStringLiteral("Halasana, Plough Posture: lying on the back with the hips lifted and the straight legs carried over the head, toes on the floor behind it")},
        {QStringLiteral("Kukkutasana"),
         QStringLiteral("Kukkutasana, Cock Pose: the legs crossed in lotus, the arms threaded through them near the knees and the body raised off the floor on straight arms, palms flat on the floor, the trunk leaning forward so the hips and the weight are over the hands")},
        {QStringLiteral("Makarasana"),
         QStringLiteral("Makarasana, Crocodile Pose: lying face down and relaxed, the head resting on the folded arms, the legs apart")},
        {QStringLiteral("Mandukasana"),
         QStringLiteral("Mandukasana, Frog Pose: kneeling and sitting back on the heels, the fists against the navel and the trunk bent forward")},
        {QStringLiteral("Matsyasana"),
         QStringLiteral("Matsyasana, Fish Pose: lying on the back with the chest arched up, the crown of the head on the floor and the elbows propping the body")},
        {QStringLiteral("Mayurasana"),
         QStringLiteral("Mayurasana, Feathered Peacock Pose: the body held straight and level above the floor, balanced on the hands with the elbows under the abdomen")},
        {QStringLiteral("Noukasana"),
         QStringLiteral("Noukasana, Boat Pose: balancing on the buttocks with the legs and the trunk raised in a V and the arms stretched forward")},
        {QStringLiteral("Padmasana"),
         QStringLiteral("Padmasana, Lotus Pose: sitting upright with the knees wide on the floor, each foot resting sole up on top of the opposite thigh, the hands on the knees")},
        {QStringLiteral("Parvatasana"),
         QStringLiteral("Parvatasana, Hill Pose: sitting in the lotus with both arms stretched up beside the ears and the fingers interlocked above the head, palms turned up")},
        {QStringLiteral("Paschimottanasana"),
         QStringLiteral("Paschimottanasana, Forward Bend Pose: sitting with the legs straight out in front and the trunk folded forward over them, hands to the feet")},
        {QStringLiteral("Pavanamuktasana"),
         QStringLiteral("Pavanamuktasana, Wind Releasing Pose: lying on the back hugging both bent knees to the chest")},
        {QStringLiteral("Sarvangasana"),
         QStringLiteral("Sarvangasana, Shoulder Stand Pose: resting on the shoulders with the trunk and legs raised straight up and the hands supporting the back")},
        {QStringLiteral("Shalabhasana"),
         QStringLiteral("Shalabhasana, Locust Pose: lying face down with the chin on the floor and both straight legs raised behind, the hips on the floor")},
        {QStringLiteral("Shavasana"),
         QStringLiteral("Shavasana, Corpse Pose: lying flat on the back, completely relaxed, the arms a little away from the body")},
        {QStringLiteral("Siddhasana"),
         QStringLiteral("Siddhasana, The Accomplished Pose: sitting upright with one heel drawn in close to the body and the other foot placed in front of it, the hands on the knees")},
        {QStringLiteral("Simhasana"),
         QStringLiteral("Simhasana, Lion Pose: kneeling and sitting on the heels, leaning slightly forward with the hands on the knees, the mouth wide open and the tongue stretched out")},
        {QStringLiteral("Suptavajrasana"),
         QStringLiteral("Suptavajrasana, Reclining Thunderbolt Pose: kneeling and sitting on the heels, then lying back until the shoulders and head rest on the floor")},
        {QStringLiteral("Tadasana"),
         QStringLiteral("Tadasana, Mountain Pose: standing straight with the feet together, both arms stretched up beside the ears and the fingers interlocked above the head, palms turned up")},
        {QStringLiteral("Trikonasana"),
         QStringLiteral("Trikonasana, Triangle Pose: standing with the legs wide apart, bending sideways with one hand down to the foot and the other arm raised")},
        {QStringLiteral("Ustrasana"),
         QStringLiteral("Ustrasana, Camel Pose: kneeling with the thighs upright and the tops of the feet on the floor, the back arched and the head dropped back, the hands resting on the heels")},
        {QStringLiteral("Uttanasana"),
         QStringLiteral("Uttanasana, Standing Forward Bend: standing with straight legs, the trunk folded down and the hands to the floor by the feet")},
        {QStringLiteral("Vajrasana"),
         QStringLiteral("Vajrasana, Thunderbolt Pose: seen from the side, kneeling and sitting back on the heels with the back straight and the hands resting on the thighs")},
        {QStringLiteral("Veerasana"),
         QStringLiteral("Veerasana, Hero Pose: seen from the front, kneeling with the knees together and sitting on the floor between the feet, which lie beside the hips pointing back, the hands on the knees")},
        {QStringLiteral("Vrikshasana"),
         QStringLiteral("Vrikshasana, Tree Pose: standing on the left leg, the right knee turned out and the right sole pressed against the inner left thigh near the groin, the arms raised beside the head with the palms joined above it")},
        {QStringLiteral("Yoga Mudra"),
         QStringLiteral("Yoga Mudra, Scaling Pose: sitting cross-legged and bending forward until the forehead nears the floor, the hands behind the back")},
    };
    return descriptions;
}

} // namespace

QString asanaPictureDescription(const QString& nameOrKey)
{
    QString name = libraryPoseName(nameOrKey);
    if (name.isEmpty())
        name = chakraPoseName(nameOrKey);
    return poseDescriptions().value(name);
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
        return QStringLiteral(
            "A figure sitting in meditation with the seven chakras glowing along the spine, red at the base to violet at the crown");
    case ProgramPicture::Emblem:
        return QStringLiteral("The Tarvo Yoga emblem: a pink lotus before a rising sun in a teal circle");
    }
    return {};
}

} // namespace tarvo::pictures
