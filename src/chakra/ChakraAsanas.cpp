#include "chakra/ChakraAsanas.h"

#include "asanas/AsanaCatalogue.h"
#include "platform/ContentFile.h"

#include <QJsonArray>
#include <QJsonObject>
#include <algorithm>

namespace tarvo {

namespace {

const QString kCrLf = QStringLiteral("\r\n");

QList<ChakraYogaAsana> loadAsanas()
{
    const QJsonArray records = readContentObject(QStringLiteral(":/content/chakra/asanas.json"))
                                   .value(QStringLiteral("asanas"))
                                   .toArray();
    QList<ChakraYogaAsana> asanas(kChakraAsanaCount);
    for (const QJsonValue& value : records) {
        const QJsonObject record = value.toObject();
        const int index = record.value(QStringLiteral("index")).toInt(-1);
        if (index < 0 || index >= kChakraAsanaCount)
            continue;
        auto prose = [&record](const QString& field) {
            return asanaProse(record.value(field), field);
        };
        ChakraYogaAsana& asana = asanas[index];
        asana.name = record.value(QStringLiteral("name")).toString();
        asana.englishName = record.value(QStringLiteral("englishName")).toString();
        asana.imageKey = record.value(QStringLiteral("imageKey")).toString();
        asana.description = prose(QStringLiteral("description"));
        asana.procedure = prose(QStringLiteral("procedure"));
        asana.benefits = prose(QStringLiteral("benefits"));
        asana.contradictions = prose(QStringLiteral("contradictions"));
    }
    return asanas;
}

void appendSection(RichReport& report, const QString& heading, const QString& body)
{
    report.setBold(true);
    report.append(heading + kCrLf);
    report.setBold(false);
    report.append(body);
}

} // namespace

const QList<ChakraYogaAsana>& chakraYogaAsanas()
{
    static const QList<ChakraYogaAsana> asanas = loadAsanas();
    return asanas;
}

const std::array<AsanaSlot, kAsanaSlotCount>& chakraAsanaSlots()
{
    static constexpr std::array<AsanaSlot, kAsanaSlotCount> assignment = {{
        {ChakraId::Root, 0},
        {ChakraId::Sacral, 0},
        {ChakraId::Sacral, 1},
        {ChakraId::Navel, 2},
        {ChakraId::Navel, 3},
        {ChakraId::Navel, 4},
        {ChakraId::Heart, 5},
        {ChakraId::Heart, 6},
        {ChakraId::Throat, 4},
        {ChakraId::Throat, 7},
        {ChakraId::Throat, 6},
        {ChakraId::Throat, 1},
        {ChakraId::Throat, 8},
        {ChakraId::ThirdEye, 5},
        {ChakraId::ThirdEye, 9},
        {ChakraId::Crown, 5},
        {ChakraId::Crown, 10},
    }};
    return assignment;
}

RecommendedAsanas recommendedAsanas(const PerChakra<bool>& needsYoga)
{
    RecommendedAsanas list;
    const auto& assignment = chakraAsanaSlots();
    for (std::size_t i = 0; i < assignment.size(); ++i) {
        if (needsYoga[chakraIndex(assignment[i].chakra)])
            list[i] =
                RecommendedAsana{chakraInfo(assignment[i].chakra).fullName, assignment[i].asana};
    }
    return list;
}

bool anyRecommended(const RecommendedAsanas& list)
{
    return std::any_of(list.begin(), list.end(),
                       [](const auto& entry) { return entry.has_value(); });
}

RichReport asanaRecordReport(const ChakraYogaAsana& asana)
{
    RichReport report;
    report.setBold(true);
    report.append(QStringLiteral("Asanas Name") + kCrLf);
    report.append(asana.name + kCrLf + kCrLf);
    appendSection(report, QStringLiteral("Description"), asana.description + kCrLf + kCrLf);
    appendSection(report, QStringLiteral("English Name"), asana.englishName + kCrLf + kCrLf);
    appendSection(report, QStringLiteral("Procedure"), asana.procedure + kCrLf + kCrLf);
    appendSection(report, QStringLiteral("Benefits"), asana.benefits + kCrLf + kCrLf);
    if (!asana.contradictions.isEmpty())
        appendSection(report, QStringLiteral("Contradictions"), asana.contradictions);
    return report;
}

AsanaRecordNavigator::AsanaRecordNavigator(const RecommendedAsanas& list)
    : m_list(list)
{
    const auto first =
        std::find_if(m_list.begin(), m_list.end(), [](const auto& e) { return e.has_value(); });
    if (first != m_list.end())
        m_position = int(first - m_list.begin());
}

const RecommendedAsana* AsanaRecordNavigator::current() const
{
    return m_position ? &*m_list[std::size_t(*m_position)] : nullptr;
}

bool AsanaRecordNavigator::moveToAsana(int asana)
{
    for (int slot = 0; slot < kAsanaSlotCount; ++slot) {
        if (m_list[std::size_t(slot)] && m_list[std::size_t(slot)]->asana == asana) {
            m_position = slot;
            return true;
        }
    }
    return false;
}

AsanaRecordNavigator::Move AsanaRecordNavigator::next()
{
    if (!m_position)
        return Move::Unchanged;
    for (int slot = *m_position + 1; slot < kAsanaSlotCount; ++slot) {
        if (m_list[std::size_t(slot)]) {
            m_position = slot;
            return Move::Shown;
        }
    }
    return Move::Unchanged;
}

AsanaRecordNavigator::Move AsanaRecordNavigator::previous()
{
    if (!m_position)
        return Move::AtFirst;
    for (int slot = *m_position - 1; slot >= 0; --slot) {
        if (m_list[std::size_t(slot)]) {
            m_position = slot;
            return Move::Shown;
        }
    }
    return Move::AtFirst;
}

} // namespace tarvo
