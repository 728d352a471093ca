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
    // Written by hand without quotes, "a,b" reads back as a list; it is the same text.
    const QVariant value = userSettings().value(key);
    if (value.typeId() == QMetaType::QStringList)
        return value.toStringList().join(u',');
    return value.toString();
}

void UserSettingsStore::setValue(const QString& key, const QString& value)
{
    QSettings settings = userSettings();
    settings.setValue(key, value);
    settings.sync();
}

} // namespace tarvo
