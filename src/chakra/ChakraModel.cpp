#include "chakra/ChakraModel.h"

#include "platform/ContentFile.h"

#include <QJsonArray>
#include <QJsonObject>

namespace tarvo {

namespace {

const QString kCrLf = QStringLiteral("\r\n");

struct FixedChakra {
    const char16_t* fullName;
    const char16_t* shortName;
    QRgb barColour;
};

// Names and colours are compared and drawn by the program, so they stay in code.
constexpr std::array<FixedChakra, kChakraCount> kFixed = {{
    {u"Root Chakra (Muladhara)", u"Root", qRgb(255, 0, 0)},
    {u"Sacral Chakra (Swadhisthanna)", u"Sacral", qRgb(255, 128, 0)},
    {u"Navel Chakra (Manipura)", u"Navel", qRgb(255, 255, 0)},
    {u"Heart Chakra (Anahata)", u"Heart", qRgb(0, 128, 0)},
    {u"Throat Chakra (Vishuddha)", u"Throat", qRgb(0, 0, 255)},
    {u"Third Eye Chakra (Ajna)", u"Third Eye", qRgb(68, 51, 164)},
    {u"Crown Chakra (Sahasrara)", u"Crown", qRgb(154, 100, 236)},
}};

const QJsonObject& chakraContent()
{
    static const QJsonObject content =
        readContentObject(QStringLiteral(":/content/chakra/chakras.json"));
    return content;
}

PerChakra<ChakraInfo> buildTable()
{
    PerChakra<ChakraInfo> table;
    const QJsonArray records = chakraContent().value(QStringLiteral("chakras")).toArray();
    for (std::size_t i = 0; i < table.size(); ++i) {
        ChakraInfo& info = table[i];
        info.fullName = QString::fromUtf16(kFixed[i].fullName);
        info.shortName = QString::fromUtf16(kFixed[i].shortName);
        info.chartLabel = info.shortName;
        info.barColour = QColor::fromRgb(kFixed[i].barColour);
        // Records are keyed by short name, so a reordered file cannot swap two chakras' texts.
        for (const QJsonValue& value : records) {
            const QJsonObject record = value.toObject();
            if (record.value(QStringLiteral("chakra")).toString() != info.shortName)
                continue;
            info.description = joinedText(record.value(QStringLiteral("description")));
            info.openText = joinedText(record.value(QStringLiteral("openText")));
            info.overActiveText = joinedText(record.value(QStringLiteral("overActiveText")));
            info.underActiveText = joinedText(record.value(QStringLiteral("underActiveText")));
            info.mudraText = joinedText(record.value(QStringLiteral("mudraText")));
            info.concentrationText = joinedText(record.value(QStringLiteral("concentrationText")));
            info.chantText = joinedText(record.value(QStringLiteral("chantText")));
        }
    }
    return table;
}

} // namespace

const PerChakra<ChakraInfo>& chakraTable()
{
    static const PerChakra<ChakraInfo> table = buildTable();
    return table;
}

const ChakraInfo& chakraInfo(ChakraId id)
{
    return chakraTable()[chakraIndex(id)];
}

QString openingHeading(const ChakraInfo& info)
{
    return QStringLiteral("This Chakra needs to be opened") + kCrLf + kCrLf
           + QStringLiteral("To open ") + info.shortName + QStringLiteral(" Chakra: ") + kCrLf
           + kCrLf;
}

QString openingInstructions(const ChakraInfo& info)
{
    QString text = info.mudraText + kCrLf + kCrLf;
    if (!info.concentrationText.isEmpty())
        text += info.concentrationText + kCrLf + kCrLf;
    return text + info.chantText + kCrLf + kCrLf;
}

QString chakraIntroduction()
{
    const QStringList paragraphs =
        stringList(chakraContent().value(QStringLiteral("introduction")));
    return paragraphs.join(kCrLf + kCrLf);
}

} // namespace tarvo
