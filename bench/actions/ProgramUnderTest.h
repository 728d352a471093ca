#pragma once

#include "platform/Clock.h"
#include "platform/Desktop.h"
#include "platform/QtDesktop.h"
#include "platform/RandomSource.h"
#include "platform/SettingsStore.h"
#include "shell/AppContext.h"

#include <memory>

class QApplication;

namespace tarvo {

class MainWindow;

namespace bench {

// The desktop as the program has it, except that a save dialog is answered with a given file,
// and every message is also written to the standard error: the bench expects none.
class AnsweringDesktop final : public Desktop {
public:
    explicit AnsweringDesktop(QString savePath)
        : m_savePath(std::move(savePath))
    {
    }

    MessageAnswer message(QWidget* parent, MessageIcon icon, MessageButtons buttons,
                          const QString& title, const QString& text) override;
    void detailedMessage(QWidget* parent, MessageIcon icon, const QString& title,
                         const QString& text, const QString& details) override;
    QString openFileName(QWidget* parent, const FileDialogRequest& request) override
    {
        return m_desktop.openFileName(parent, request);
    }
    QString saveFileName(QWidget*, const FileDialogRequest&) override { return m_savePath; }
    bool setUpPrinter(QWidget* parent, QPrinter& printer, bool hasSelection) override
    {
        return m_desktop.setUpPrinter(parent, printer, hasSelection);
    }
    void openUrl(const QUrl& url) override { m_desktop.openUrl(url); }

private:
    QtDesktop m_desktop;
    QString m_savePath;
};

// What the program sets on its application before any window.
void setUpAsProgram(QApplication& app);

// The main window as the program starts it: the same seams, shown maximised, and the journal
// of the user's data folder opened as the program opens it.
class ProgramUnderTest final {
public:
    explicit ProgramUnderTest(const QString& savePath = {});
    ~ProgramUnderTest();
    Q_DISABLE_COPY_MOVE(ProgramUnderTest)

    MainWindow& window() const { return *m_window; }
    // What the program does once the window's first frame is on screen.
    void afterFirstFrame();

private:
    AnsweringDesktop m_desktop;
    SystemClock m_clock;
    UserSettingsStore m_settings;
    SystemRandomSource m_random;
    AppContext m_context;
    std::unique_ptr<MainWindow> m_window;
};

} // namespace bench
} // namespace tarvo
