#include "asanas/AsanaTables.h"

#include "contentindex/ContentIndex.h"

#include <QHash>

namespace tarvo {

namespace {

using Table = QHash<QString, QList<int>>;

// The tables live in content/asanas/lookups.json; the content index carries them in.
Table tableOf(const QList<contentindex::Lookup>& lookups)
{
    Table table;
    for (const contentindex::Lookup& lookup : lookups)
        table.insert(lookup.name, lookup.asanas);
    return table;
}

} // namespace

QList<int> asanasForBodyPart(const QString& bodyPart)
{
    static const Table table = tableOf(contentindex::bodyParts());
    return table.value(bodyPart);
}

QList<int> asanasForApplication(const QString& application)
{
    static const Table table = tableOf(contentindex::applications());
    return table.value(application);
}

} // namespace tarvo
