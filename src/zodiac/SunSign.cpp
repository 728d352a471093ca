#include "zodiac/SunSign.h"

#include "platform/ContentFile.h"

#include <QJsonArray>
#include <algorithm>

namespace tarvo {

namespace {

struct ShortFields {
    const char16_t* name;
    const char16_t* element;
    const char16_t* luckyNumber;
    const char16_t* luckyColour;
    const char16_t* luckyDay;
    const char16_t* compatibleSigns;
    const char16_t* birthStone;
    const char16_t* quality;
    const char16_t* bodyPartRuled;
};

constexpr std::array<ShortFields, kSunSignCount> kShortFields = {{
    {u"Aries", u"Fire", u"9", u"Red", u"Tuesday", u"Leo and Sagittarius", u"Diamond", u"Cardinal",
     u"Head, Face"},
    {u"Taurus", u"Earth", u"6", u"Green", u"Friday", u"Capricorn and Virgo", u"Emerald", u"Fixed",
     u"Throat, Neck"},
    {u"Gemini", u"Air", u"5", u"Yellow", u"Wednesday", u"Aquarius and Libra", u"Agate", u"Mutable",
     u"Lungs, Arms, Hands"},
    {u"Cancer", u"Water", u"2", u"Silver", u"Monday", u"Pisces and Scorpio", u"Pearl", u"Cardinal",
     u"Breast, Chest, Stomach"},
    {u"Leo", u"Fire", u"8 and 9", u"Gold", u"Sunday", u"Aries and Sagittarius", u"Ruby", u"Fixed",
     u"Heart, Spine"},
    {u"Virgo", u"Earth", u"3 and 5", u"Blue", u"Wednesday", u"Capricorn and Taurus", u"Sapphire",
     u"Mutable", u"Intestines, Pancreas"},
    {u"Libra", u"Air", u"6 and 9", u"Blue", u"Friday", u"Aquarius and Gemini", u"Opal", u"Cardinal",
     u"Loins, Kidneys"},
    {u"Scorpio", u"Water", u"2 and 4", u"Burgundy and Black", u"Tuesday", u"Cancer and Pisces",
     u"Topaz", u"Fixed", u"Reproductive Organs"},
    {u"Sagittarius", u"Fire", u"5 and 7", u"Purple", u"Thursday", u"Aries and Leo", u"Turquoise",
     u"Mutable", u"Thighs"},
    {u"Capricorn", u"Earth", u"8 and 2", u"Brown", u"Saturday", u"Taurus and Virgo", u"Garnet",
     u"Cardinal", u"Knees"},
    {u"Aquarius", u"Air", u"1 and 7", u"Blue, Violet", u"Wednesday", u"Taurus and Virgo",
     u"Amethyst", u"Fixed", u"Ankles, Blood"},
    {u"Pisces", u"Water", u"2 and 6", u"Sea green", u"Friday", u"Taurus and Virgo", u"Aquamarine",
     u"Mutable", u"Feet"},
}};

struct FitnessPhrases {
    const char16_t* phrases[8];
};

constexpr std::array<FitnessPhrases, kSunSignCount> kFitness = {{
    {{u"Highly Athletic", u"Low Endurance", u"Medium Flexibility", u"Zero Focus",
      u"Highly Motivated", u"No Routine", u"Zero Team-Work", u"Needs variety"}},
    {{u"Low Athletic Ability", u"High Endurance", u"Low Flexibility", u"High Focus",
      u"Moderately Motivated", u"Belief Routine", u"Moderate Team-Work", u"No Belief in Variety"}},
    {{u"Moderately Athletic", u"Low Endurance", u"High Flexibility", u"Zero Focus",
      u"Zero Motivation", u"No Routine", u"Good Team-Work", u"Needs variety"}},
    {{u"Low Athletic Ability", u"Low Endurance", u"Medium Flexibility", u"High Focus",
      u"Moderately Motivated", u"Belief Routine", u"Good Team-Work", u"Moderate Variety"}},
    {{u"Highly Athletic", u"High Endurance", u"Low Flexibility", u"High Focus", u"Highly Motivated",
      u"Moderate Routine", u"Moderate Team-Work", u"Moderate Variety"}},
    {{u"Low Athletic Ability", u"Medium Endurance", u"High Flexibility", u"Good Focus",
      u"Highly Motivated", u"Belief Routine", u"Good Team-Work", u"Needs variety"}},
    {{u"Moderately Athletic", u"Low Endurance", u"Medium Flexibility", u"Zero Focus",
      u"Moderately Motivated", u"Moderate Routine", u"Good Team-Work", u"Moderate Variety"}},
    {{u"Moderately Athletic", u"High Endurance", u"Low Flexibility", u"High Focus",
      u"Highly Motivated", u"Moderate Routine", u"Moderate Team-Work", u"No Belief in Variety"}},
    {{u"Highly Athletic", u"Low Endurance", u"High Flexibility", u"Zero Focus", u"Highly Motivated",
      u"No Routine", u"Zero Team-Work", u"Needs variety"}},
    {{u"Moderately Athletic", u"High Endurance", u"Medium Flexibility", u"High Focus",
      u"Highly Motivated", u"Moderate Routine", u"Moderate Team-Work", u"No Belief in Variety"}},
    {{u"Highly Athletic", u"High Endurance", u"Low Flexibility", u"High Focus",
      u"Moderately Motivated", u"No Routine", u"Good Team-Work", u"Needs variety"}},
    {{u"Low Athletic Ability", u"Low Endurance", u"High Flexibility", u"Zero Focus",
      u"Moderately Motivated", u"No Routine", u"Good Team-Work", u"Needs variety"}},
}};

struct ElementItems {
    const char16_t* element;
    const char16_t* excessTaken;
    const char16_t* excessAvoid;
    const char16_t* excessRemedy;
    const char16_t* lowTaken;
    const char16_t* lowAvoid;
    const char16_t* lowRemedy;
};

// In the order the element name is tested.
constexpr std::array<ElementItems, 4> kElementItems = {{
    {u"Fire", u"Grains and root vegetables like beet, carrot and potatoes",
     u"Gravy and spicy food and red meat", u"Chamomile, lemon balm, skull cap and valerian.",
     u"Lemon, yoghurt, bitter green food items like kale and mustard.",
     u"Milk, cheese, yoghurt, butter and other diary products and meat",
     u"Digestive stimulants like cayenne, mustard, cloves, cinnamon, garlic and ginger."},
    {u"Air", u"Steamed vegetable, nuts and croutons.",
     u"Raw foods, grains, yeasty foods and refined sugar.",
     u"Enzymes that enables proper absorption of food items and nutrients.",
     u"Ample amount of raw fruits, fresh vegetable, garlic, ginger and vegetable juices.",
     u"Nothing to Avoid", u"Dandelion root and/or angostura bitters."},
    {u"Water", u"Steamed vegetable, beans of all kind and fruits.",
     u"Spicy and oily foods, diary products, yeasty food, breads and salt.",
     u"Sage, basil and thyme, juniper berries, chaparral, garlic and olive leaf.",
     u"Wheat, rice, oats, seaweed, dairy products and natural sugars.",
     u"All kinds of root vegetables.", u"Sweetened honey and fruit juices."},
    {u"Earth",
     u"Fruit- salads, sprouts, steamed vegetables with spices added, juices, soups and teas.",
     u"Heavy and spicy food items.",
     u"Bitter tonics such as gentian or Swedish bitters, hot spices such as ginger, black "
     u"pepper and cayenne.",
     u"Meat, potatoes, unrefined grains, root crops, dairy, steamed vegetables, cheese, butter, "
     u"sugar and oil.",
     u"Fruits.",
     u"Demulcents such as licorice and slippery elm, seaweed and minerals, Ginseng, astragals, "
     u"ahashwaganda."},
}};

QJsonObject contentRecord(const QString& file, const QString& listKey, const QString& idKey,
                          const QString& id)
{
    const QJsonArray entries = readContentObject(file).value(listKey).toArray();
    for (const QJsonValue& entry : entries) {
        if (entry.toObject().value(idKey).toString() == id)
            return entry.toObject();
    }
    return {};
}

SunSignProfile buildProfile(int index)
{
    const ShortFields& s = kShortFields[std::size_t(index)];
    const QJsonObject prose =
        contentRecord(QStringLiteral(":/content/zodiac/signs.json"), QStringLiteral("signs"),
                      QStringLiteral("sign"), QString::fromUtf16(s.name));
    const auto text = [&prose](const char16_t* key) {
        return prose.value(QString::fromUtf16(key)).toString();
    };
    const auto& f = kFitness[std::size_t(index)].phrases;
    const auto phrase = [&f](int i) { return QString::fromUtf16(f[i]); };
    return {
        QString::fromUtf16(s.name),
        QString::fromUtf16(s.element),
        QString::fromUtf16(s.luckyNumber),
        QString::fromUtf16(s.luckyColour),
        QString::fromUtf16(s.luckyDay),
        QString::fromUtf16(s.compatibleSigns),
        QString::fromUtf16(s.birthStone),
        QString::fromUtf16(s.quality),
        stringList(prose.value(u"famousPeople")).join(u", "),
        text(u"positiveTraits"),
        text(u"negativeTraits"),
        QString::fromUtf16(s.bodyPartRuled),
        text(u"healthProblems"),
        text(u"requiredDiet"),
        text(u"dietToAvoid"),
        text(u"dietAdvice"),
        {phrase(0), phrase(1), phrase(2), phrase(3), phrase(4), phrase(5), phrase(6), phrase(7)},
        text(u"fitnessAdvice"),
        index + 1};
}

} // namespace

QString signName(SunSign sign)
{
    return QString::fromUtf16(kShortFields[std::size_t(signIndex(sign))].name);
}

std::optional<SunSign> signFromName(const QString& name)
{
    for (int i = 0; i < kSunSignCount; ++i) {
        if (name == QString::fromUtf16(kShortFields[std::size_t(i)].name))
            return static_cast<SunSign>(i);
    }
    return std::nullopt;
}

SunSign determineSunSign(int monthIndex, int dayIndex)
{
    struct Split {
        SunSign first;
        int lastDayIndexOfFirst;
        SunSign second;
    };
    static constexpr std::array<Split, 12> kSplits = {{
        {SunSign::Capricorn, 18, SunSign::Aquarius},
        {SunSign::Aquarius, 17, SunSign::Pisces},
        {SunSign::Pisces, 19, SunSign::Aries},
        {SunSign::Aries, 19, SunSign::Taurus},
        {SunSign::Taurus, 19, SunSign::Gemini},
        {SunSign::Gemini, 19, SunSign::Cancer},
        {SunSign::Cancer, 19, SunSign::Leo},
        {SunSign::Leo, 19, SunSign::Virgo},
        {SunSign::Virgo, 19, SunSign::Libra},
        {SunSign::Libra, 19, SunSign::Scorpio},
        {SunSign::Scorpio, 19, SunSign::Sagittarius},
        {SunSign::Sagittarius, 19, SunSign::Capricorn},
    }};
    const Split& split = kSplits[std::size_t(std::clamp(monthIndex, 0, 11))];
    return dayIndex <= split.lastDayIndexOfFirst ? split.first : split.second;
}

QString checkBirthDate(int monthIndex, int dayIndex)
{
    if (monthIndex == 1 && (dayIndex == 29 || dayIndex == 30))
        return kFebruaryDateMessage;
    const bool thirtyDays =
        monthIndex == 3 || monthIndex == 5 || monthIndex == 8 || monthIndex == 10;
    if (thirtyDays && dayIndex == 30)
        return kThirtyDayMonthMessage;
    return {};
}

QStringList monthNames()
{
    return {QStringLiteral("January"), QStringLiteral("February"), QStringLiteral("March"),
            QStringLiteral("April"),   QStringLiteral("May"),      QStringLiteral("June"),
            QStringLiteral("July"),    QStringLiteral("August"),   QStringLiteral("September"),
            QStringLiteral("October"), QStringLiteral("November"), QStringLiteral("December")};
}

const SunSignProfile& sunSignProfile(SunSign sign)
{
    static const std::array<SunSignProfile, kSunSignCount> profiles = [] {
        std::array<SunSignProfile, kSunSignCount> all;
        for (int i = 0; i < kSunSignCount; ++i)
            all[std::size_t(i)] = buildProfile(i);
        return all;
    }();
    return profiles[std::size_t(signIndex(sign))];
}

std::optional<ConstitutionTypeProfile> constitutionTypeProfile(const QString& element)
{
    for (const ElementItems& items : kElementItems) {
        const QString name = QString::fromUtf16(items.element);
        if (element != name)
            continue;
        const QJsonObject prose =
            contentRecord(QStringLiteral(":/content/zodiac/elements.json"),
                          QStringLiteral("elements"), QStringLiteral("element"), name);
        return ConstitutionTypeProfile{
            prose.value(u"description").toString(), prose.value(u"excessDescription").toString(),
            QString::fromUtf16(items.excessTaken),  QString::fromUtf16(items.excessAvoid),
            QString::fromUtf16(items.excessRemedy), prose.value(u"lowDescription").toString(),
            QString::fromUtf16(items.lowTaken),     QString::fromUtf16(items.lowAvoid),
            QString::fromUtf16(items.lowRemedy)};
    }
    return std::nullopt;
}

} // namespace tarvo
