#include "platform/DataFolder.h"

#include <QCoreApplication>
#include <QDir>

namespace tarvo {

QString programDataFolder()
{
    // The base-directory rules ignore a relative value; followed, it would give every folder the
    // program is started from a journal of its own.
    QString folder = qEnvironmentVariable("XDG_DATA_HOME");
    if (!QDir::isAbsolutePath(folder))
        folder = QDir::homePath() + QStringLiteral("/.local/share");
    for (const QString& name :
         {QCoreApplication::organizationName(), QCoreApplication::applicationName()}) {
        if (!name.isEmpty())
            folder += u'/' + name;
    }
    return QDir::cleanPath(folder);
}

void ignoreRelativeBaseFolders()
{
    for (const char* variable :
         {"XDG_CONFIG_HOME", "XDG_CACHE_HOME", "XDG_DATA_HOME", "XDG_STATE_HOME"}) {
        if (!QDir::isAbsolutePath(qEnvironmentVariable(variable)))
            qunsetenv(variable);
    }
}

} // namespace tarvo
