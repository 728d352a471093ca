#include "app/Application.h"

#include "app/ProgramPictures.h"
#include "app/ProgramWindows.h"
#include "app/SingleInstance.h"
#include "app/frmMDI.h"
#include "platform/AppInfo.h"
#include "platform/Clock.h"
#include "platform/Fonts.h"
#include "platform/PrimaryScreen.h"
#include "platform/QtDesktop.h"
#include "platform/RandomSource.h"
#include "platform/SettingsStore.h"

#include <QApplication>
#include <QScreen>

#include <cstdio>

namespace tarvo {

namespace {

// Without a display Qt would abort with a backtrace; say what is needed instead.
bool displayAvailable()
{
    return qEnvironmentVariableIsSet("QT_QPA_PLATFORM") || !qEnvironmentVariableIsEmpty("DISPLAY")
           || !qEnvironmentVariableIsEmpty("WAYLAND_DISPLAY");
}

} // namespace

int runApplication(int argc, char** argv)
{
    if (!displayAvailable()) {
        std::fputs("Tarvo Yoga needs a graphical display; without one, start it as "
                   "`xvfb-run -a tarvo-yoga`.\n",
                   stderr);
        return 1;
    }
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Tarvo Yoga"));
    QApplication::setOrganizationName(QStringLiteral("Tarvo"));
    QApplication::setApplicationVersion(QStringLiteral("1.15"));
    QApplication::setDesktopFileName(QStringLiteral("tarvo-yoga"));
    installProgramFont(app);
    QApplication::setWindowIcon(programIcon());

    QtDesktop desktop;
    SystemClock clock;
    UserSettingsStore settings;
    SystemRandomSource random;
    PrimaryScreen screen;
    const AppContext context{desktop, clock, settings, random, screen};

    SingleInstance instance;
    if (!instance.acquire()) {
        desktop.message(nullptr, MessageIcon::Information, MessageButtons::Ok, kAppTitle,
                        QStringLiteral("Application is already running"));
        return 0;
    }

    frmMDI window(context, programWindows());
    // Without a window manager "maximised" means nothing; start at the full work area anyway.
    if (const QScreen* primary = QGuiApplication::primaryScreen())
        window.setGeometry(primary->availableGeometry());
    window.showMaximized();
    return QApplication::exec();
}

} // namespace tarvo
