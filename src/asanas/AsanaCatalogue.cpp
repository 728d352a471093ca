#include "asanas/AsanaCatalogue.h"

#include "platform/ContentFile.h"

#include <QHash>

namespace tarvo {

namespace {

const QString kCatalogueFile = QStringLiteral(":/content/asanas/catalogue.json");

const QJsonArray& catalogueEntries()
{
    static const QJsonArray entries = readContentObject(kCatalogueFile).value(u"asanas").toArray();
    return entries;
}

QJsonObject libraryEntry(const QString& name)
{
    for (const QJsonValue& entry : catalogueEntries()) {
        const QJsonObject object = entry.toObject();
        if (object.value(u"name").toString() == name)
            return object;
    }
    return {};
}

} // namespace

QString asanaProse(const QJsonValue& field, const QString& fieldName)
{
    if (field.isObject()) {
        const QString reference = field.toObject().value(u"same").toString();
        const QString prefix = QStringLiteral("library:");
        if (!reference.startsWith(prefix))
            return {};
        const QJsonValue shared = libraryEntry(reference.mid(prefix.size())).value(fieldName);
        // Library records hold their own text, never a reference, so this ends here.
        return shared.isObject() ? QString() : joinedText(shared);
    }
    return joinedText(field);
}

const QList<AsanaRecord>& loadAsanaCatalogue()
{
    static const QList<AsanaRecord> records = [] {
        QList<AsanaRecord> list;
        for (const QJsonValue& entry : catalogueEntries()) {
            const QJsonObject o = entry.toObject();
            list.append({o.value(u"number").toInt(), o.value(u"name").toString(),
                         o.value(u"englishName").toString(), joinedText(o.value(u"description")),
                         joinedText(o.value(u"procedure")), joinedText(o.value(u"benefits")),
                         joinedText(o.value(u"contradictions"))});
        }
        return list;
    }();
    return records;
}

std::optional<int> findAsana(const QString& name)
{
    for (const AsanaRecord& record : loadAsanaCatalogue()) {
        if (record.name == name)
            return record.number;
    }
    return std::nullopt;
}

QString libraryAsanaName(const QString& name)
{
    static const QHash<QString, QString> aliases = {
        {QStringLiteral("Savasana"), QStringLiteral("Shavasana")},
        {QStringLiteral("Paschimottasana"), QStringLiteral("Paschimottanasana")},
        {QStringLiteral("Naukasana"), QStringLiteral("Noukasana")}};
    const QString library = aliases.value(name, name);
    return findAsana(library) ? library : QString();
}

} // namespace tarvo
