#include "app/Application.h"

#include "app/MainWindow.h"
#include "app/ProgramPictures.h"
#include "app/ProgramWindows.h"
#include "app/SingleInstance.h"
#include "platform/AppInfo.h"
#include "platform/Clock.h"
#include "platform/DataFolder.h"
#include "platform/Fonts.h"
#include "platform/QtDesktop.h"
#include "platform/RandomSource.h"
#include "platform/SettingsStore.h"
#include "practice/JournalCheck.h"
#include "practice/PracticeFlow.h"
#include "practice/PracticeStoreOpening.h"

#include <QApplication>
#include <QDir>
#include <QScreen>
#include <QTimer>
#include <QWindow>
#include <cstdio>
#include <cstdlib>

namespace tarvo {

namespace {

constexpr const char* kNoDisplayHint = "Tarvo Yoga needs a graphical display; without one, "
                                       "start it as `xvfb-run -a tarvo-yoga`.\n";

// Without a display Qt would abort with a backtrace; say what is needed instead.
bool displayNamed()
{
    return qEnvironmentVariableIsSet("QT_QPA_PLATFORM") || !qEnvironmentVariableIsEmpty("DISPLAY")
           || !qEnvironmentVariableIsEmpty("WAYLAND_DISPLAY");
}

// A display that is named but cannot be opened ends in a fatal message from Qt's platform set-up.
// While the application starts, messages wait; a fatal one becomes the hint and the exit status 1
// instead of an abort, and the others are passed on once the display is open.
QList<std::pair<QtMsgType, QString>> g_startupMessages;
QtMessageHandler g_previousHandler = nullptr;

void holdStartupMessage(QtMsgType type, const QMessageLogContext&, const QString& text)
{
    if (type == QtFatalMsg) {
        std::fputs(kNoDisplayHint, stderr);
        std::_Exit(1);
    }
    g_startupMessages.append({type, text});
}

void passOnStartupMessages()
{
    qInstallMessageHandler(g_previousHandler);
    for (const auto& [type, text] : std::as_const(g_startupMessages))
        g_previousHandler(type, QMessageLogContext(), text);
    g_startupMessages.clear();
}

// Runs once, just after the window's first frame: the window paints as it is exposed, and this
// comes after.
class AfterFirstFrame final : public QObject {
public:
    AfterFirstFrame(QWindow& window, std::function<void()> run)
        : QObject(&window)
        , m_run(std::move(run))
    {
        window.installEventFilter(this);
    }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (event->type() == QEvent::Expose && static_cast<QWindow*>(watched)->isExposed()) {
            watched->removeEventFilter(this);
            QTimer::singleShot(0, this, [this] {
                m_run();
                deleteLater();
            });
        }
        return false;
    }

private:
    std::function<void()> m_run;
};

} // namespace

int runApplication(int argc, char** argv)
{
    if (!displayNamed()) {
        std::fputs(kNoDisplayHint, stderr);
        return 1;
    }
    ignoreRelativeBaseFolders();
    g_previousHandler = qInstallMessageHandler(holdStartupMessage);
    QApplication app(argc, argv);
    passOnStartupMessages();
    QApplication::setApplicationName(QStringLiteral("Tarvo Yoga"));
    QApplication::setOrganizationName(QStringLiteral("Tarvo"));
    QApplication::setApplicationVersion(QStringLiteral(TARVO_VERSION));
    QApplication::setDesktopFileName(QStringLiteral("tarvo-yoga"));
    installProgramFont(app);
    QApplication::setWindowIcon(programIcon());

    QtDesktop desktop;
    SystemClock clock;
    UserSettingsStore settings;
    SystemRandomSource random;
    const AppContext context{desktop, clock, settings, random};

    SingleInstance instance;
    switch (instance.acquire()) {
    case SingleInstance::Outcome::Acquired:
        break;
    case SingleInstance::Outcome::HeldByAnother:
        inform(desktop, nullptr, kAppTitle, QStringLiteral("Application is already running"));
        return 0;
    case SingleInstance::Outcome::Failed:
        warn(desktop, nullptr, kAppTitle,
             QStringLiteral("Tarvo Yoga could not take its lock file\n%1\n\n%2")
                 .arg(QDir::toNativeSeparators(SingleInstance::lockPath()),
                      instance.failureReason()));
        return 1;
    }

    MainWindow window(context, programWindows());
    // Only the instance that holds the lock opens the journal, so no two write it at once; it
    // is opened after the first frame, or when Practice needs it first.
    window.practice().openStoreLater([&desktop, &window, &clock, &settings] {
        const QDate today = clock.now().toLocalTime().date();
        const practice::CheckDepth depth = practice::journalCheckDue(settings, today);
        practice::PracticeStoreOpening journal =
            practice::openPracticeStore(programDataFolder(), clock.now(), depth);
        const bool inMemory = journal.outcome == practice::PracticeStoreOpening::Outcome::InMemory;
        if (depth == practice::CheckDepth::WholeFile && !inMemory)
            practice::journalChecked(settings, today);
        if (!journal.notice.isEmpty()) {
            const MessageIcon icon = inMemory ? MessageIcon::Critical : MessageIcon::Information;
            // Told once the call that opened the journal is done, over the main window.
            QTimer::singleShot(
                0, &window,
                [&desktop, &window, icon, notice = journal.notice, details = journal.details] {
                    desktop.detailedMessage(&window, icon, kAppTitle, notice, details);
                });
        }
        return std::move(journal.store);
    });
    // Without a window manager "maximised" means nothing; start at the full work area anyway.
    if (const QScreen* primary = QGuiApplication::primaryScreen())
        window.setGeometry(primary->availableGeometry());
    window.showMaximized();
    if (QWindow* handle = window.windowHandle())
        new AfterFirstFrame(*handle, [&window] { window.practice().openStoreNow(); });
    return QApplication::exec();
}

} // namespace tarvo
