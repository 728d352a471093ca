#pragma once

#include <QString>

namespace tarvo {

// Named text values that survive the program; absent values read as empty.
class SettingsStore {
public:
    virtual ~SettingsStore() = default;
    virtual QString value(const QString& key) const = 0;
    virtual void setValue(const QString& key, const QString& value) = 0;
};

// The per-user store of the desktop (an INI file under the user's configuration folder).
class UserSettingsStore final : public SettingsStore {
public:
    QString value(const QString& key) const override;
    void setValue(const QString& key, const QString& value) override;
};

} // namespace tarvo
