#include "runner/ChildEnvironment.h"

#include <QDir>
#include <QFile>
#include <QProcessEnvironment>

namespace tarvo::bench {

namespace {

const QStringList kPrivateFolders = {QStringLiteral("home"), QStringLiteral("config"),
                                     QStringLiteral("cache"), QStringLiteral("data"),
                                     QStringLiteral("runtime")};

} // namespace

ChildEnvironment::ChildEnvironment(QString platform)
    : m_platform(std::move(platform))
{
    if (!m_root.isValid())
        return;
    const QDir root(m_root.path());
    m_valid = true;
    for (const QString& folder : kPrivateFolders)
        m_valid = m_valid && root.mkpath(folder);
    // Qt ignores a runtime folder that others may read.
    m_valid = m_valid
              && QFile::setPermissions(root.filePath(QStringLiteral("runtime")),
                                       QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
}

QStringList ChildEnvironment::variables(const QString& preload) const
{
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    for (const QString& name :
         {QStringLiteral("LD_PRELOAD"), QStringLiteral("TARVO_BENCH_START_NS"),
          QStringLiteral("TARVO_BENCH_PROBE_OUT")})
        environment.remove(name);
    const QDir root(m_root.path());
    environment.insert(QStringLiteral("HOME"), root.filePath(QStringLiteral("home")));
    environment.insert(QStringLiteral("XDG_CONFIG_HOME"), root.filePath(QStringLiteral("config")));
    environment.insert(QStringLiteral("XDG_CACHE_HOME"), root.filePath(QStringLiteral("cache")));
    environment.insert(QStringLiteral("XDG_DATA_HOME"), root.filePath(QStringLiteral("data")));
    environment.insert(QStringLiteral("XDG_RUNTIME_DIR"), root.filePath(QStringLiteral("runtime")));
    environment.insert(QStringLiteral("QT_QPA_PLATFORM"), m_platform);
    if (!preload.isEmpty())
        environment.insert(QStringLiteral("LD_PRELOAD"), preload);
    return environment.toStringList();
}

} // namespace tarvo::bench
