#include "asanas/AsanaLists.h"

namespace tarvo {

const QStringList& asanaNames()
{
    static const QStringList names = {
        QStringLiteral("Anjali Mudra"),      QStringLiteral("Ardhachandrasana"),
        QStringLiteral("Ardhamatsyendrasana"), QStringLiteral("Bhujangasana"),
        QStringLiteral("Dhanurasana"),       QStringLiteral("Garudasana"),
        QStringLiteral("Gomukhasana"),       QStringLiteral("Halasana"),
        QStringLiteral("Kukkutasana"),       QStringLiteral("Makarasana"),
        QStringLiteral("Mandukasana"),       QStringLiteral("Matsyasana"),
        QStringLiteral("Mayurasana"),        QStringLiteral("Noukasana"),
        QStringLiteral("Padmasana"),         QStringLiteral("Parvatasana"),
        QStringLiteral("Paschimottanasana"), QStringLiteral("Pavanamuktasana"),
        QStringLiteral("Sarvangasana"),      QStringLiteral("Shalabhasana"),
        QStringLiteral("Shavasana"),         QStringLiteral("Siddhasana"),
        QStringLiteral("Simhasana"),         QStringLiteral("Suptavajrasana"),
        QStringLiteral("Tadasana"),          QStringLiteral("Trikonasana"),
        QStringLiteral("Ustrasana"),         QStringLiteral("Uttanasana"),
        QStringLiteral("Vajrasana"),         QStringLiteral("Veerasana"),
        QStringLiteral("Vrikshasana"),       QStringLiteral("Yoga Mudra"),
    };
    return names;
}

const QStringList& bodyParts()
{
    static const QStringList parts = {
        QStringLiteral("Abdomen"),        QStringLiteral("Ankles"),
        QStringLiteral("Arches"),         QStringLiteral("Arms"),
        QStringLiteral("Bladder"),        QStringLiteral("Brain"),
        QStringLiteral("Buttocks"),       QStringLiteral("Calves"),
        QStringLiteral("Chest"),          QStringLiteral("Diaphragm"),
        QStringLiteral("Digestive Organs"), QStringLiteral("Foot"),
        QStringLiteral("Groins"),         QStringLiteral("Hamstrings"),
        QStringLiteral("Hands / Fingers"), QStringLiteral("Heart"),
        QStringLiteral("Hips"),           QStringLiteral("Intestines"),
        QStringLiteral("Kidneys"),        QStringLiteral("Knees"),
        QStringLiteral("Legs"),           QStringLiteral("Live"),
        QStringLiteral("Lower Back"),     QStringLiteral("Lungs"),
        QStringLiteral("Neck"),           QStringLiteral("Ovaries"),
        QStringLiteral("Pelvis"),         QStringLiteral("Pituitary"),
        QStringLiteral("Prostate Gland"), QStringLiteral("Shoulders"),
        QStringLiteral("Spine"),          QStringLiteral("Thighs"),
        QStringLiteral("Thyroid"),        QStringLiteral("Upper Back"),
        QStringLiteral("Uterus"),         QStringLiteral("Wrists"),
    };
    return parts;
}

const QStringList& therapeuticApplications()
{
    static const QStringList applications = {
        QStringLiteral("Anxiety"),         QStringLiteral("Asthma"),
        QStringLiteral("Arthritis"),       QStringLiteral("Back Pain"),
        QStringLiteral("Carpal Tunnel Syndrome"), QStringLiteral("Constipation"),
        QStringLiteral("Diabetes"),        QStringLiteral("Fatigue"),
        QStringLiteral("Flat Feet"),       QStringLiteral("Headache"),
        QStringLiteral("High Blood Pressure"), QStringLiteral("Hyperacidity"),
        QStringLiteral("Hyperthyroidism"), QStringLiteral("Hypothyroidism"),
        QStringLiteral("Infertility"),     QStringLiteral("Insomnia"),
        QStringLiteral("Memory"),          QStringLiteral("Menopause"),
        QStringLiteral("Menstruation"),    QStringLiteral("Migraine"),
        QStringLiteral("Mild Depression"), QStringLiteral("Neck Pain"),
        QStringLiteral("Obesity"),         QStringLiteral("Osteoporosis"),
        QStringLiteral("Piles"),           QStringLiteral("Pregnancy"),
        QStringLiteral("Sciatica"),        QStringLiteral("Sinusitis"),
        QStringLiteral("Spondylitis"),     QStringLiteral("Stress"),
        QStringLiteral("Varicose Veins"),
    };
    return applications;
}

} // namespace tarvo
