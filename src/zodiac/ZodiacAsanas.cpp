#include "zodiac/ZodiacAsanas.h"

#include "asanas/AsanaCatalogue.h"
#include "contentindex/ContentIndex.h"
#include "platform/ContentFile.h"

#include <QJsonArray>
#include <algorithm>

namespace tarvo {

namespace {

// Names come from the content index, so the tab can name its asanas before their file is read.
static_assert(contentindex::kZodiacAsanaCount == kZodiacAsanaCount);

struct Entry {
    int index;
    const char16_t* label;
    const char16_t* heading;
};

// Label names and report headings keep the program's historical spellings; the saved labels
// and the printed headings differ from the asana names on purpose.
const std::array<QList<Entry>, kSunSignCount>& recommendationTable()
{
    static const std::array<QList<Entry>, kSunSignCount> table = {{
        {{1, u"lblSarvaangaasanaaAries", u"Sarvaangaasanaa :-"},
         {2, u"lblMakaraasanaaAries", u"Makaraasanaa :-"},
         {3, u"lblSavaasanaaAries", u"Savaasanaa :-"}},
        {{1, u"lblSarvaangaasanaaTaurus", u"Sarvaangaasanaa :-"},
         {4, u"lblHaalaasanaaTaurus", u"Haalaasanaa :-"},
         {3, u"lblSavaasanaaTaurus", u"Savaasanaa :-"}},
        {{5, u"lblPadmaasanaaGemini", u"Padmaasanaa :-"},
         {2, u"lblMakaraasanaaGemini", u"Makaraasanaa :-"},
         {6, u"lblDhanuraasanaaGemini", u"Dhanuraasanaa :-"},
         {1, u"lblSarvaangaasanaaGemini", u"Sarvaangaasanaa :-"},
         {3, u"lblSavaasanaaGemini", u"Savaasanaa :-"}},
        {{7, u"lblBhujangaasanaaCancer", u"Bhujangaasanaa :-"},
         {8, u"lblPaschimottasanaaCancer", u"Paschimottasanaa :-"},
         {6, u"lblDhanuraasanaaCancer", u"Dhanuraasanaa :-"},
         {5, u"lblPadmaasanaaCancer", u"Padmaasanaa :-"},
         {3, u"lblSavaasanaaCancer", u"Savaasanaa :-"}},
        {{9, u"lblYogaMudraLeo", u"Yoga Mudra :-"},
         {7, u"lblBhujangaasaanaLeo", u"Bhujangaasaana :-"},
         {10, u"lblNaukaasanaaLeo", u"Naukaasanaa :-"},
         {3, u"lblSavaasanaaLeo", u"Savaasanaa :-"}},
        {{1, u"lblSarvaangaasanaaVirgo", u"Sarvaangaasanaa :-"},
         {4, u"lblHaalaasanaaVirgo", u"Haalaasanaa :-"},
         {6, u"lblDhanuraasanaaVirgo", u"Dhanuraasanaa :-"},
         {7, u"lblBhujangaasanaaVirgo", u"Bhujangaasanaa :-"},
         {3, u"lblSavaasanaaVirgo", u"Savaasanaa :-"}},
        {{1, u"lblSarvaangaasanaaLibra", u"Sarvaangaasanaa :-"},
         {5, u"lblPadmaasanaaLibra", u"Padmaasanaa :-"},
         {9, u"lblYogaMudraLibra", u"Yoga Mudra :-"},
         {3, u"lblSavaasanaaLibra", u"Savaasanaa :-"}},
        {{1, u"lblSarvaangaasanaaScorpio", u"Sarvaangaasanaa :-"},
         {7, u"lblBhujangaasanaaScorpio", u"Bhujangaasanaa :-"},
         {11, u"lblMayuraasanaaScorpio", u"Mayuraasanaa :-"},
         {6, u"lblDhanuraasanaaScorpio", u"Dhanuraasanaa :-"},
         {3, u"lblSavaasanaaScorpio", u"Savaasanaa :-"}},
        {{1, u"lblSarvaangaasanaaSagittarius", u"Sarvaangaasanaa :-"},
         {12, u"lblVajraasanaaSagittarius", u"Vajraasanaa :-"},
         {11, u"lblMayuraasanaaSagittarius", u"Mayuraasanaa :-"},
         {7, u"lblBhujangaasanaaSagittarius", u"Bhujangaasanaa :-"},
         {3, u"lblSavaasanaaSagittarius", u"Savaasanaa :-"}},
        {{1, u"lblSarvaangaasanaaCapricorn", u"Sarvaangaasanaa :-"},
         {6, u"lblDhanuraasanaaCapricorn", u"Dhanuraasanaa :-"},
         {8, u"lblPaschimottaasanaaCapricorn", u"Paschimottaasanaa :-"},
         {7, u"lblBhujangaasanaaCapricorn", u"Bhujangaasanaa :-"},
         {13, u"lblSimhaasanaaCapricorn", u"Simhaasanaa :-"},
         {5, u"lblPadmaasanaaCapricorn", u"Padmaasanaa :-"},
         {3, u"lblSavaasanaaCapricorn", u"Savaasanaa :-"}},
        {{1, u"lblSarvaangaasanaaAquarius", u"Sarvaangaasanaa :-"},
         {6, u"lblDhanuraasanaaAquarius", u"Dhanuraasanaa :-"},
         {8, u"lblPaschimottaasanaaAquarius", u"Paschimottaasanaa :-"},
         {7, u"lblBhujangaasanaaAquarius", u"Bhujangaasanaa :-"},
         {5, u"lblPadmaasanaaAquarius", u"Padmaasanaa :-"},
         {3, u"lblSavaasanaaAquarius", u"Savaasanaa :-"}},
        {{1, u"lblSarvaangaasanaaPisces", u"Sarvaangaasanaa :-"},
         {2, u"lblMakaraasanaaPisces", u"Makaraasanaa :-"},
         {7, u"lblBhujangaasanaaPisces", u"Bhujangaasanaa :-"},
         {14, u"lblGarudaasanaaPisces", u"Garudaasanaa :-"},
         {11, u"lblMayuraasanaaPisces", u"Mayuraasanaa :-"},
         {9, u"lblYogaMudraaPisces", u"Yoga Mudraa :-"},
         {3, u"lblSavaasanaaPisces", u"Savaasanaa :-"}},
    }};
    return table;
}

} // namespace

QString zodiacAsanaName(int index)
{
    if (index < 1 || index > kZodiacAsanaCount)
        return {};
    return contentindex::zodiacAsanas().at(index - 1).name;
}

const std::array<ZodiacAsanaRecord, kZodiacAsanaCount>& loadZodiacAsanas()
{
    static const std::array<ZodiacAsanaRecord, kZodiacAsanaCount> records = [] {
        std::array<ZodiacAsanaRecord, kZodiacAsanaCount> all;
        const QJsonArray entries = readContentObject(QStringLiteral(":/content/zodiac/asanas.json"))
                                       .value(u"asanas")
                                       .toArray();
        for (const QJsonValue& value : entries) {
            const QJsonObject entry = value.toObject();
            const int index = entry.value(u"index").toInt();
            if (index < 1 || index > kZodiacAsanaCount)
                continue;
            const auto prose = [&entry](const QString& field) {
                return asanaProse(entry.value(field), field);
            };
            // The catalogue calls the definition "description", as the library does.
            all[std::size_t(index - 1)] = {
                contentindex::zodiacAsanas().at(index - 1).englishName,
                prose(QStringLiteral("description")), prose(QStringLiteral("procedure")),
                prose(QStringLiteral("benefits")), prose(QStringLiteral("contradictions"))};
        }
        return all;
    }();
    return records;
}

const ZodiacAsanaRecord& zodiacAsana(int index)
{
    static const ZodiacAsanaRecord none;
    if (index < 1 || index > kZodiacAsanaCount)
        return none;
    return loadZodiacAsanas()[std::size_t(index - 1)];
}

QList<AsanaRecommendation> recommendedAsanas(SunSign sign)
{
    QList<AsanaRecommendation> list;
    for (const Entry& e : recommendationTable()[std::size_t(signIndex(sign))])
        list.append({e.index, QString::fromUtf16(e.label), QString::fromUtf16(e.heading)});
    return list;
}

} // namespace tarvo
