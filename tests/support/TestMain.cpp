#include "support/TestMain.h"

#include "platform/Fonts.h"

#include <QDir>
#include <QRegularExpression>
#include <QTemporaryDir>

namespace tarvo::test {

void isolateEnvironment()
{
    static QTemporaryDir root;
    const QString config = root.filePath(QStringLiteral("config"));
    const QString runtime = root.filePath(QStringLiteral("runtime"));
    const QString data = root.filePath(QStringLiteral("data"));
    QDir().mkpath(config);
    QDir().mkpath(data);
    QDir().mkpath(runtime);
    QFile::setPermissions(runtime, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    qputenv("XDG_CONFIG_HOME", QFile::encodeName(config));
    qputenv("XDG_RUNTIME_DIR", QFile::encodeName(runtime));
    qputenv("XDG_DATA_HOME", QFile::encodeName(data));
    qputenv("HOME", QFile::encodeName(root.path()));
}

void installFonts(QApplication& app)
{
    installProgramFont(app);
}

void failOnUnexpectedWarnings()
{
    // The offscreen platform reports what it cannot do; those notices are not our faults.
    static const QRegularExpression unexpected(
        QStringLiteral(R"(^(?!.*(This plugin does not support|propagateSizeHints)).*$)"));
    QTest::failOnWarning(unexpected);
}

} // namespace tarvo::test
