#include "platform/ContentFile.h"

#include <QFile>
#include <QJsonDocument>

namespace tarvo {

namespace {

QStringList& readSoFar()
{
    static QStringList files;
    return files;
}

} // namespace

QJsonObject readContentObject(const QString& resourcePath)
{
    readSoFar().append(resourcePath);
    QFile file(resourcePath);
    if (!file.open(QIODevice::ReadOnly))
        return {};
    return QJsonDocument::fromJson(file.readAll()).object();
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
