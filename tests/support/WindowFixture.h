#pragma once

#include "app/MainWindow.h"
#include "app/ProgramWindows.h"
#include "support/TestContext.h"

#include <QTest>
#include <memory>

namespace tarvo::test {

// The widget named name under root; a missing one is a warning, which fails the test.
template <typename T = QWidget> T* in(const QObject* root, const QString& name)
{
    T* widget = root ? root->findChild<T*>(name) : nullptr;
    if (!widget)
        qWarning("no widget %s", qPrintable(name));
    return widget;
}

// A left click on the named widget, as the mouse gives it.
void click(const QObject* root, const QString& name);

// The window open in the main window's work area under this name ("frmJournal"), or nullptr.
QWidget* openWindow(const MainWindow& main, const QString& objectName);

// The main window on scripted seams, shown at a usual size and reminded of updates just now, so
// no window asks: where every window test starts.
struct MainWindowFixture {
    explicit MainWindowFixture(ProgramWindows programs = programWindows());

    TestContext seams;
    std::unique_ptr<MainWindow> window;

    QWidget* child(const QString& objectName) const { return openWindow(*window, objectName); }

    // Saved as <name>.png in TARVO_SHOTS_DIR when it is set, so the window can be looked at as a
    // user sees it.
    void shot(const QString& name) const;
};

} // namespace tarvo::test
