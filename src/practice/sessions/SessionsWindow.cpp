#include "practice/sessions/SessionsWindow.h"

#include "platform/Desktop.h"
#include "platform/UserText.h"
#include "practice/NotifyingPracticeStore.h"
#include "practice/sessions/SessionBuilderWindow.h"
#include "practice/sessions/SessionCautionsWindow.h"
#include "shell/ProgramWindow.h"

#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>

namespace tarvo::practice {

SessionsWindow::SessionsWindow(const AppContext& context, NotifyingPracticeStore& store,
                               QWidget* parent)
    : QWidget(parent)
    , m_context(context)
    , m_store(store)
    , m_list(new QListWidget)
    , m_noSessions(new QLabel(QStringLiteral(
          "No session is saved yet. Choose New\u2026 to build one, or Practise These "
          "Now on the asanas of a Zodiac or chakra reading.")))
    , m_newName(new QLineEdit)
{
    setObjectName(QStringLiteral("frmSessions"));
    setWindowTitle(QStringLiteral("Sessions"));
    m_list->setObjectName(QStringLiteral("lstSessions"));
    m_list->setAccessibleName(QStringLiteral("Saved sessions"));
    m_list->setMinimumSize(280, 240);
    connect(m_list, &QListWidget::itemActivated, this, &SessionsWindow::openSelected);
    connect(m_list, &QListWidget::currentRowChanged, this, &SessionsWindow::enableActions);
    m_noSessions->setObjectName(QStringLiteral("lblNoSessions"));
    m_noSessions->setWordWrap(true);
    m_newName->setObjectName(QStringLiteral("txtNewName"));
    m_newName->setAccessibleName(QStringLiteral("New name"));
    m_newName->setMaxLength(80);
    connect(m_newName, &QLineEdit::textChanged, this, &SessionsWindow::enableActions);
    auto* newNameLabel = new QLabel(QStringLiteral("Ne&w name:"));
    newNameLabel->setBuddy(m_newName);

    auto* grid = new QGridLayout(this);
    grid->addWidget(m_list, 0, 0, 9, 1);
    grid->addWidget(m_noSessions, 9, 0);
    int row = 0;
    auto button = [&](const QString& name, const QString& caption, const QString& accessible,
                      auto slot) {
        auto* push = new QPushButton(caption);
        push->setObjectName(name);
        push->setAccessibleName(accessible);
        connect(push, &QPushButton::clicked, this, slot);
        grid->addWidget(push, row++, 1);
        return push;
    };
    button(QStringLiteral("cmdNew"), QStringLiteral("&New\u2026"), QStringLiteral("New session"),
           [this] { openProgramWindow(m_context, sessionBuilder(m_context, m_store)); });
    m_onSelected = {button(QStringLiteral("cmdStart"), QStringLiteral("&Start"),
                           QStringLiteral("Start"), &SessionsWindow::startSelected),
                    button(QStringLiteral("cmdOpen"), QStringLiteral("&Open"),
                           QStringLiteral("Open in the builder"), &SessionsWindow::openSelected),
                    button(QStringLiteral("cmdDelete"), QStringLiteral("&Delete"),
                           QStringLiteral("Delete"), &SessionsWindow::deleteSelected)};
    grid->addWidget(newNameLabel, row++, 1);
    grid->addWidget(m_newName, row++, 1);
    m_onNewName = {button(QStringLiteral("cmdRename"), QStringLiteral("&Rename"),
                          QStringLiteral("Rename"), &SessionsWindow::renameSelected),
                   button(QStringLiteral("cmdDuplicate"), QStringLiteral("D&uplicate"),
                          QStringLiteral("Duplicate"), &SessionsWindow::duplicateSelected)};
    auto* close = new QPushButton(QStringLiteral("&Close"));
    close->setObjectName(QStringLiteral("cmdClose"));
    close->setAccessibleName(QStringLiteral("Close"));
    connect(close, &QPushButton::clicked, this, [this] { closeProgramWindow(this); });
    grid->addWidget(close, 8, 1, 2, 1, Qt::AlignBottom);
    grid->setRowStretch(7, 1);
    connect(&m_store, &NotifyingPracticeStore::sessionsChanged, this, [this] { refresh(); });
    refresh();
}

void SessionsWindow::refresh(const QString& current)
{
    const QString keep = current.isEmpty() ? selectedName() : current;
    m_list->clear();
    m_list->addItems(m_store.sessionNames());
    const QList<QListWidgetItem*> found = m_list->findItems(keep, Qt::MatchFixedString);
    m_list->setCurrentRow(found.isEmpty() ? 0 : m_list->row(found.first()));
    m_noSessions->setVisible(m_list->count() == 0);
    enableActions();
}

void SessionsWindow::enableActions()
{
    const bool chosen = m_list->currentItem() != nullptr;
    for (QPushButton* push : std::as_const(m_onSelected))
        push->setEnabled(chosen);
    const bool named = chosen && !m_newName->text().trimmed().isEmpty();
    for (QPushButton* push : std::as_const(m_onNewName))
        push->setEnabled(named);
}

QString SessionsWindow::selectedName() const
{
    const QListWidgetItem* item = m_list->currentItem();
    return item ? item->text() : QString();
}

bool SessionsWindow::report(bool done)
{
    if (!done)
        warn(m_context.desktop, this, windowTitle(), m_store.error());
    return done;
}

void SessionsWindow::openSelected()
{
    const std::optional<Session> session = m_store.session(selectedName());
    if (session)
        openProgramWindow(m_context, new SessionBuilderWindow(m_context, m_store, *session));
}

void SessionsWindow::renameSelected()
{
    storeUnderNewName(&PracticeStore::renameSession);
}

void SessionsWindow::duplicateSelected()
{
    storeUnderNewName(&PracticeStore::duplicateSession);
}

void SessionsWindow::storeUnderNewName(bool (PracticeStore::*write)(const QString&, const QString&))
{
    const QString from = selectedName();
    const QString to = m_newName->text().trimmed();
    if (from.isEmpty() || to.isEmpty())
        return;
    if (report((m_store.*write)(from, to))) {
        m_newName->clear();
        refresh(to);
    }
}

void SessionsWindow::deleteSelected()
{
    const QString name = selectedName();
    if (name.isEmpty()
        || !ask(m_context.desktop, this, windowTitle(),
                QStringLiteral("Delete the session \"%1\"?").arg(isolated(name))))
        return;
    if (report(m_store.removeSession(name)))
        refresh();
}

void SessionsWindow::startSelected()
{
    const std::optional<Session> session = m_store.session(selectedName());
    if (session && !session->steps.isEmpty())
        startSession(m_context, m_store, *session);
}

QWidget* sessionBuilder(const AppContext& context, PracticeStore& store)
{
    return new SessionBuilderWindow(context, store, Session{});
}

} // namespace tarvo::practice
