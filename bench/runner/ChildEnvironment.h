#pragma once

#include <QStringList>
#include <QTemporaryDir>

namespace tarvo::bench {

// A private home, configuration, cache and runtime folder for every program the bench starts,
// so none meets the user's settings, a running instance's lock or a first-run dialog, and
// none leaves anything behind. One folder serves every run: after the warm-up run each
// program starts as it does for a returning user.
class ChildEnvironment {
public:
    explicit ChildEnvironment(QString platform);

    bool isValid() const { return m_valid; }
    QString platform() const { return m_platform; }
    QString filePath(const QString& name) const { return m_root.filePath(name); }

    // The caller's environment with the private folders and platform; preload, when given,
    // is put in LD_PRELOAD.
    QStringList variables(const QString& preload) const;

private:
    QTemporaryDir m_root;
    QString m_platform;
    bool m_valid = false;
};

} // namespace tarvo::bench
