#include "actions/ProgramUnderTest.h"

#include "app/MainWindow.h"
#include "app/ProgramPictures.h"
#include "app/ProgramWindows.h"
#include "platform/DataFolder.h"
#include "platform/Fonts.h"
#include "practice/JournalCheck.h"
#include "practice/PracticeFlow.h"
#include "practice/PracticeStoreOpening.h"
#include "shell/UpdateReminder.h"

#include <QApplication>
#include <QScreen>
#include <QTextStream>

namespace tarvo::bench {

namespace {

void noteMessage(const QString& text)
{
    QTextStream(stderr) << "tarvo-bench-actions: a message came up: " << text << Qt::endl;
}

} // namespace

MessageAnswer AnsweringDesktop::message(QWidget* parent, MessageIcon icon, MessageButtons buttons,
                                        const QString& title, const QString& text)
{
    noteMessage(text);
    return m_desktop.message(parent, icon, buttons, title, text);
}

void AnsweringDesktop::detailedMessage(QWidget* parent, MessageIcon icon, const QString& title,
                                       const QString& text, const QString& details)
{
    noteMessage(text);
    m_desktop.detailedMessage(parent, icon, title, text, details);
}

void setUpAsProgram(QApplication& app)
{
    QApplication::setApplicationName(QStringLiteral("Tarvo Yoga"));
    QApplication::setOrganizationName(QStringLiteral("Tarvo"));
    QApplication::setDesktopFileName(QStringLiteral("tarvo-yoga"));
    installProgramFont(app);
    QApplication::setWindowIcon(programIcon());
}

ProgramUnderTest::ProgramUnderTest(const QString& savePath)
    : m_desktop(savePath)
    , m_context{m_desktop, m_clock, m_settings, m_random}
{
    // A user reminded of updates today, so the Zodiac window asks nothing.
    m_settings.setValue(kLastReminderKey, m_clock.now().toString(Qt::ISODate));
    m_window = std::make_unique<MainWindow>(m_context, programWindows());
    m_window->practice().openStoreLater([this] {
        const QDate today = m_clock.now().toLocalTime().date();
        const practice::CheckDepth depth = practice::journalCheckDue(m_settings, today);
        practice::PracticeStoreOpening journal =
            practice::openPracticeStore(programDataFolder(), m_clock.now(), depth);
        const bool inMemory = journal.outcome == practice::PracticeStoreOpening::Outcome::InMemory;
        if (depth == practice::CheckDepth::WholeFile && !inMemory)
            practice::journalChecked(m_settings, today);
        if (!journal.notice.isEmpty())
            noteMessage(journal.notice);
        return std::move(journal.store);
    });
    if (const QScreen* primary = QGuiApplication::primaryScreen())
        m_window->setGeometry(primary->availableGeometry());
    m_window->showMaximized();
}

void ProgramUnderTest::afterFirstFrame()
{
    m_window->practice().openStoreNow();
}

ProgramUnderTest::~ProgramUnderTest() = default;

} // namespace tarvo::bench
