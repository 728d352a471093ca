#include "asanas/AsanaTables.h"

#include <QHash>

namespace tarvo {

namespace {

using Table = QHash<QString, QList<int>>;

const Table& bodyPartTable()
{
    static const Table table = {
        {QStringLiteral("Abdomen"), {2, 4, 5, 8, 12, 15, 23, 25, 27, 30}},
        {QStringLiteral("Ankles"), {2, 6, 7, 15, 23, 25, 27, 30, 31}},
        {QStringLiteral("Arches"), {25, 30, 31}},
        {QStringLiteral("Arms"), {1}},
        {QStringLiteral("Bladder"), {15}},
        {QStringLiteral("Brain"), {8, 15, 17, 28}},
        {QStringLiteral("Buttocks"), {4, 20, 25}},
        {QStringLiteral("Calves"), {2, 6, 20, 28, 31}},
        {QStringLiteral("Chest"), {2, 4, 5, 7, 12, 23, 31}},
        {QStringLiteral("Diaphragm"), {15, 23, 25, 30, 31}},
        {QStringLiteral("Digestive Organs"), {17, 28, 30}},
        {QStringLiteral("Foot"), {25, 31}},
        {QStringLiteral("Groins"), {2, 5, 27, 31}},
        {QStringLiteral("Hamstrings"), {17, 28}},
        {QStringLiteral("Hands / Fingers"), {1, 4, 23}},
        {QStringLiteral("Heart"), {1, 4, 18, 19, 21, 29}},
        {QStringLiteral("Hips"), {3, 6, 7, 28}},
        {QStringLiteral("Intestines"), {3}},
        {QStringLiteral("Kidneys"), {3, 4, 17, 28}},
        {QStringLiteral("Knees"), {3, 15, 23, 25, 28, 31}},
        {QStringLiteral("Legs"), {15, 25, 31}},
        {QStringLiteral("Live"), {3, 4, 17, 28}},
        {QStringLiteral("Lower Back"), {3, 20, 25, 31}},
        {QStringLiteral("Lungs"), {4, 20}},
        {QStringLiteral("Neck"), {3, 5, 12, 20, 27}},
        {QStringLiteral("Ovaries"), {17}},
        {QStringLiteral("Pelvis"), {15, 31}},
        {QStringLiteral("Pituitary"), {5, 13}},
        {QStringLiteral("Prostate Gland"), {19}},
        {QStringLiteral("Shoulders"), {2, 3, 5, 6, 7, 8, 12, 17, 27, 31}},
        {QStringLiteral("Spine"), {2, 3, 4, 5, 8, 12, 15, 17, 31}},
        {QStringLiteral("Thighs"), {2, 5, 6, 7, 20, 25, 27, 28, 30, 31}},
        {QStringLiteral("Thyroid"), {8, 19}},
        {QStringLiteral("Upper Back"), {3, 4, 17, 20, 30}},
        {QStringLiteral("Uterus"), {17, 19}},
        {QStringLiteral("Wrists"), {1, 5}},    };
    return table;
}

const Table& applicationTable()
{
    static const Table table = {
        {QStringLiteral("Anxiety"), {1, 2, 5, 11, 12, 13, 15, 17, 27, 28}},
        {QStringLiteral("Asthma"), {3, 4, 6, 12, 19, 21, 23, 24, 25, 27, 28, 30, 32}},
        {QStringLiteral("Arthritis"), {7, 21, 22, 26, 30, 31}},
        {QStringLiteral("Back Pain"), {2, 3, 4, 5, 6, 8, 12, 18, 20, 21, 27}},
        {QStringLiteral("Carpal Tunnel Syndrome"), {1}},
        {QStringLiteral("Constipation"), {3, 8, 12, 18, 25, 26}},
        {QStringLiteral("Diabetes"), {3, 4, 12, 18, 19}},
        {QStringLiteral("Fatigue"), {2, 3, 4, 5, 8, 12, 17, 20, 21, 27, 28}},
        {QStringLiteral("Flat Feet"), {25, 30, 31}},
        {QStringLiteral("Headache"), {4, 8, 17, 18, 21, 28}},
        {QStringLiteral("High Blood Pressure"), {17, 21, 24, 28, 30}},
        {QStringLiteral("Hyperacidity"), {4, 20, 21, 29, 32}},
        {QStringLiteral("Hyperthyroidism"), {12, 18, 19}},
        {QStringLiteral("Hypothyroidism"), {12, 18, 19}},
        {QStringLiteral("Infertility"), {3, 8, 17, 28}},
        {QStringLiteral("Insomnia"), {4, 8, 17, 20, 21, 25, 28}},
        {QStringLiteral("Memory"), {19, 22, 29}},
        {QStringLiteral("Menopause"), {8, 17, 28}},
        {QStringLiteral("Menstruation"), {2, 3, 5, 9, 12, 15, 17, 27}},
        {QStringLiteral("Migraine"), {3, 5, 14, 19, 31}},
        {QStringLiteral("Mild Depression"), {21, 28}},
        {QStringLiteral("Neck Pain"), {21}},
        {QStringLiteral("Obesity"), {3, 4, 5, 17, 18, 20, 21, 23}},
        {QStringLiteral("Osteoporosis"), {2, 28}},
        {QStringLiteral("Piles"), {12, 18, 19, 25}},
        {QStringLiteral("Pregnancy"), {15}},
        {QStringLiteral("Sciatica"), {2, 3, 6, 15, 25, 31}},
        {QStringLiteral("Sinusitis"), {4, 5, 8, 12, 17, 18, 21, 23, 28}},
        {QStringLiteral("Spondylitis"), {3, 4, 5, 10, 18, 29, 31}},
        {QStringLiteral("Stress"), {1, 4, 8, 21, 28}},
        {QStringLiteral("Varicose Veins"), {12, 18, 19, 21, 25}},    };
    return table;
}

} // namespace

QList<int> AsanasForBodyPart(const QString& bodyPart)
{
    return bodyPartTable().value(bodyPart);
}

QList<int> AsanasForApplication(const QString& application)
{
    return applicationTable().value(application);
}

} // namespace tarvo
