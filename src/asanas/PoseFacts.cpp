#include "asanas/PoseFacts.h"

#include "platform/ContentFile.h"

#include <QJsonArray>
#include <QJsonObject>

namespace tarvo {

namespace {

const QString kPracticeFile = QStringLiteral(":/content/asanas/practice.json");

const char16_t* const kLevels[] = {u"beginner", u"intermediate", u"advanced"};
const char16_t* const kFamilies[] = {u"standing", u"balance",     u"forward bend", u"backbend",
                                     u"twist",    u"inversion",   u"seated",       u"supine",
                                     u"prone",    u"arm balance", u"relaxation"};
const char16_t* const kAdvice[] = {u"avoid", u"care", u"helps"};

template <typename Enum, std::size_t N>
std::optional<Enum> fromName(const char16_t* const (&names)[N], const QString& name)
{
    for (std::size_t i = 0; i < N; ++i) {
        if (name == QString::fromUtf16(names[i]))
            return static_cast<Enum>(i);
    }
    return std::nullopt;
}

QList<Condition> conditionList(const QJsonValue& keys)
{
    QList<Condition> conditions;
    for (const QString& key : stringList(keys)) {
        if (const auto condition = conditionFromKey(key))
            conditions.append(*condition);
    }
    return conditions;
}

std::optional<BeginnerHold> holdOf(const QJsonObject& o)
{
    const QString unit = o.value(u"unit").toString();
    if (unit != u"seconds" && unit != u"times")
        return std::nullopt;
    return BeginnerHold{unit == u"times" ? BeginnerHold::Unit::Times : BeginnerHold::Unit::Seconds,
                        o.value(u"from").toInt(), o.value(u"to").toInt(),
                        o.value(u"secondsEach").toInt(), o.value(u"sentence").toString()};
}

QList<ConditionNote> notesOf(const QJsonArray& entries)
{
    QList<ConditionNote> notes;
    for (const QJsonValue& value : entries) {
        const QJsonObject entry = value.toObject();
        const QString sentence = entry.value(u"sentence").toString();
        for (std::size_t kind = 0; kind < std::size(kAdvice); ++kind) {
            const QJsonValue keys = entry.value(QString::fromUtf16(kAdvice[kind]));
            for (Condition condition : conditionList(keys))
                notes.append({condition, static_cast<Advice>(kind), sentence});
        }
    }
    return notes;
}

// An entry with a value the program does not know is left out whole, which the data test sees as
// a missing pose.
std::optional<PoseFacts> factsOf(const QJsonObject& o)
{
    const auto level = fromName<PoseLevel>(kLevels, o.value(u"level").toString());
    const auto family = fromName<PoseFamily>(kFamilies, o.value(u"family").toString());
    const auto hold = holdOf(o.value(u"hold").toObject());
    if (!level || !family || !hold)
        return std::nullopt;
    PoseFacts facts;
    facts.name = o.value(u"name").toString();
    facts.level = *level;
    facts.family = *family;
    facts.hold = *hold;
    const QString side = o.value(u"firstSide").toString();
    if (side == u"right")
        facts.firstSide = BodySide::Right;
    else if (side == u"left")
        facts.firstSide = BodySide::Left;
    facts.preparation = stringList(o.value(u"preparation"));
    facts.counterposes = stringList(o.value(u"counterposes"));
    const QJsonObject entry = o.value(u"entry").toObject();
    const QJsonArray steps = entry.value(u"steps").toArray();
    facts.firstEntryStep = steps.at(0).toInt();
    facts.lastEntryStep = steps.at(1).toInt();
    facts.entryCue = entry.value(u"cue").toString();
    const QJsonObject exit = o.value(u"exit").toObject();
    facts.exitStep = exit.value(u"step").toInt();
    facts.exitCue = exit.value(u"cue").toString();
    facts.easier = o.value(u"easier").toString();
    facts.notes = notesOf(o.value(u"conditions").toArray());
    return facts;
}

QJsonValue lookupEntry(const char16_t* table, const QString& text)
{
    return readContentObject(kPracticeFile)
        .value(u"lookups")
        .toObject()
        .value(QString::fromUtf16(table))
        .toObject()
        .value(text);
}

} // namespace

const QList<PoseFacts>& allPoseFacts()
{
    static const QList<PoseFacts> all = [] {
        QList<PoseFacts> list;
        const QJsonArray entries = readContentObject(kPracticeFile).value(u"asanas").toArray();
        for (const QJsonValue& value : entries) {
            if (auto facts = factsOf(value.toObject()))
                list.append(std::move(*facts));
        }
        return list;
    }();
    return all;
}

const PoseFacts* poseFacts(const QString& libraryName)
{
    for (const PoseFacts& facts : allPoseFacts()) {
        if (facts.name == libraryName)
            return &facts;
    }
    return nullptr;
}

QString levelName(PoseLevel level)
{
    return QString::fromUtf16(kLevels[static_cast<int>(level)]);
}

QString familyName(PoseFamily family)
{
    return QString::fromUtf16(kFamilies[static_cast<int>(family)]);
}

QList<Condition> conditionsOfApplication(const QString& application)
{
    return conditionList(lookupEntry(u"applications", application));
}

QList<Condition> conditionsOfBodyPart(const QString& bodyPart)
{
    return conditionList(lookupEntry(u"bodyParts", bodyPart));
}

QString gentlerOptionsOfApplication(const QString& application)
{
    return lookupEntry(u"gentler", application).toString();
}

} // namespace tarvo
