#pragma once

#include <QJsonArray>
#include <QJsonObject>
#include <QString>
#include <QStringList>

namespace tarvo {

// The JSON object of a compiled-in content file; empty when it is missing or malformed,
// which the content tests rule out for every shipped file. Each file is parsed once, on the
// first call for its path; later calls share that parse.
QJsonObject readContentObject(const QString& resourcePath);

// Every content file parsed so far in this process, in order, once per parse. Start-up is held
// to reading only what the first screen shows, and no file may appear twice; this is how both
// are checked.
QStringList contentFilesRead();

// A prose field that is either one paragraph or a list of items; items are joined by CR LF.
QString joinedText(const QJsonValue& value);

QStringList stringList(const QJsonValue& value);

} // namespace tarvo
