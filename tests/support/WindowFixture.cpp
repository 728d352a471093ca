#include "support/WindowFixture.h"

#include "shell/UpdateReminder.h"
#include "shell/WorkArea.h"

#include <QDir>

namespace tarvo::test {

void click(const QObject* root, const QString& name)
{
    if (QWidget* widget = in(root, name))
        QTest::mouseClick(widget, Qt::LeftButton);
}

QWidget* openWindow(const MainWindow& main, const QString& objectName)
{
    const QList<QWidget*> windows = main.area().windows();
    for (QWidget* window : windows) {
        if (window->objectName() == objectName)
            return window;
    }
    return nullptr;
}

MainWindowFixture::MainWindowFixture(ProgramWindows programs)
{
    seams.settings.values.insert(kLastReminderKey, seams.clock.time.toString(Qt::ISODate));
    window = std::make_unique<MainWindow>(seams.context(), std::move(programs));
    window->resize(1280, 800);
    window->show();
    if (!QTest::qWaitForWindowExposed(window.get()))
        qWarning("the main window was never shown");
}

void MainWindowFixture::shot(const QString& name) const
{
    const QString dir = qEnvironmentVariable("TARVO_SHOTS_DIR");
    if (dir.isEmpty())
        return;
    QCoreApplication::processEvents();
    window->grab().save(QDir(dir).filePath(name + QStringLiteral(".png")));
}

} // namespace tarvo::test
