#include "platform/SettingsStore.h"

#include <QSettings>

namespace tarvo {

namespace {
QSettings userSettings()
{
    return QSettings(QSettings::IniFormat, QSettings::UserScope, QStringLiteral("Tarvo"),
                     QStringLiteral("TarvoYoga"));
}
} // namespace

QString UserSettingsStore::value(const QString& key) const
{
    return userSettings().value(key).toString();
}

void UserSettingsStore::setValue(const QString& key, const QString& value)
{
    QSettings settings = userSettings();
    settings.setValue(key, value);
    settings.sync();
}

} // namespace tarvo
