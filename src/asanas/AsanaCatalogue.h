#pragma once

#include <QJsonValue>
#include <QList>
#include <QString>
#include <optional>

namespace tarvo {

// One asana of the library; procedure, benefits and contradictions are numbered items joined
// by CR LF, or one paragraph (contradictions may be empty).
struct AsanaRecord {
    int number = 0;
    QString name;
    QString englishName;
    QString description;
    QString procedure;
    QString benefits;
    QString contradictions;
};

// The 32 records in catalogue order, read from the compiled-in catalogue on first call.
const QList<AsanaRecord>& loadAsanaCatalogue();

// Catalogue number (1..32) of the record with exactly this name.
std::optional<int> findAsana(const QString& name);

// The library's name for an asana the Zodiac catalogue spells its own way ("Savasana" is
// Shavasana), or the name itself; empty when the library has no such asana.
QString libraryAsanaName(const QString& name);

// The text of a prose field in any asana file: either the field itself, or a reference
// {"same": "library:<Name>"} to the same field of a library record.
QString asanaProse(const QJsonValue& field, const QString& fieldName);

} // namespace tarvo
