#include "platform/ContentFile.h"

#include <QFile>
#include <QHash>
#include <QJsonDocument>

namespace tarvo {

namespace {

QStringList& readSoFar()
{
    static QStringList files;
    return files;
}

// Parsed files by path. Readers look records up by key on every call, so the parse is kept
// rather than repeated; a missing or malformed file is kept as the empty object it reads as.
QHash<QString, QJsonObject>& parsed()
{
    static QHash<QString, QJsonObject> objects;
    return objects;
}

} // namespace

QJsonObject readContentObject(const QString& resourcePath)
{
    const auto known = parsed().constFind(resourcePath);
    if (known != parsed().constEnd())
        return *known;
    readSoFar().append(resourcePath);
    QJsonObject object;
    QFile file(resourcePath);
    if (file.open(QIODevice::ReadOnly))
        object = QJsonDocument::fromJson(file.readAll()).object();
    parsed().insert(resourcePath, object);
    return object;
}

QStringList contentFilesRead()
{
    return readSoFar();
}

QStringList stringList(const QJsonValue& value)
{
    QStringList list;
    const QJsonArray array = value.toArray();
    for (const QJsonValue& item : array)
        list.append(item.toString());
    return list;
}

QString joinedText(const QJsonValue& value)
{
    if (value.isArray())
        return stringList(value).join(QStringLiteral("\r\n"));
    return value.toString();
}

} // namespace tarvo
