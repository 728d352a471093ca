#include "asanas/AsanaLists.h"

#include "contentindex/ContentIndex.h"

namespace tarvo {

namespace {

QStringList namesOf(const QList<contentindex::Lookup>& lookups)
{
    QStringList names;
    for (const contentindex::Lookup& lookup : lookups)
        names.append(lookup.name);
    return names;
}

} // namespace

// From the content index, so the lists are offered without reading the catalogue.
const QStringList& asanaNames()
{
    static const QStringList names = [] {
        QStringList list;
        for (const contentindex::Asana& asana : contentindex::asanas())
            list.append(asana.name);
        return list;
    }();
    return names;
}

const QStringList& bodyParts()
{
    static const QStringList parts = namesOf(contentindex::bodyParts());
    return parts;
}

const QStringList& therapeuticApplications()
{
    static const QStringList applications = namesOf(contentindex::applications());
    return applications;
}

} // namespace tarvo
