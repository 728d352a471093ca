#include "practice/SessionCautionsWindow.h"

#include "platform/Desktop.h"
#include "platform/Workspace.h"
#include "practice/SessionPlayerWindow.h"
#include "shell/ProgramWindow.h"

#include <QCheckBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QScrollArea>
#include <QVBoxLayout>

namespace tarvo::practice {

SessionCautionsWindow::SessionCautionsWindow(const AppContext& context, Session session,
                                             Start start, QWidget* parent)
    : QWidget(parent)
    , m_context(context)
    , m_session(std::move(session))
    , m_start(std::move(start))
{
    setObjectName(QStringLiteral("frmSessionCautions"));
    setWindowTitle(QStringLiteral("Before you start: %1").arg(m_session.name));

    auto* intro = new QLabel(QStringLiteral(
        "Tick what applies to you. Each pose whose cautions name it is marked with the reason, "
        "and you can leave it out of this session."));
    intro->setObjectName(QStringLiteral("lblCautionsIntro"));
    intro->setWordWrap(true);

    auto* buttons = new QHBoxLayout;
    buttons->addStretch(1);
    auto* begin = new QPushButton(QStringLiteral("&Start Session"));
    begin->setObjectName(QStringLiteral("cmdStartSession"));
    begin->setAccessibleName(QStringLiteral("Start session"));
    begin->setDefault(true);
    connect(begin, &QPushButton::clicked, this, &SessionCautionsWindow::startSession);
    auto* cancel = new QPushButton(QStringLiteral("&Cancel"));
    cancel->setObjectName(QStringLiteral("cmdCancel"));
    cancel->setAccessibleName(QStringLiteral("Cancel"));
    connect(cancel, &QPushButton::clicked, this, [this] { closeProgramWindow(this); });
    buttons->addWidget(begin);
    buttons->addWidget(cancel);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(intro);
    layout->addWidget(buildConditions());
    layout->addWidget(buildPoses(), 1);
    layout->addLayout(buttons);
    showMarks();
}

QWidget* SessionCautionsWindow::buildConditions()
{
    auto* box = new QGroupBox(QStringLiteral("What applies to you"));
    box->setObjectName(QStringLiteral("fraConditions"));
    auto* grid = new QGridLayout(box);
    const QList<Condition> ticked = storedConditions(m_context.settings);
    for (Condition condition : allConditions()) {
        const int index = int(m_conditions.size());
        auto* check = new QCheckBox(conditionName(condition));
        check->setObjectName(QStringLiteral("chkCondition_%1").arg(index));
        check->setAccessibleName(conditionName(condition));
        check->setChecked(ticked.contains(condition));
        connect(check, &QCheckBox::toggled, this, &SessionCautionsWindow::showMarks);
        grid->addWidget(check, index / 2, index % 2);
        m_conditions.append(check);
    }
    return box;
}

QWidget* SessionCautionsWindow::buildPoses()
{
    auto* content = new QWidget;
    auto* grid = new QGridLayout(content);
    grid->setColumnStretch(1, 1);
    for (qsizetype i = 0; i < m_session.steps.size(); ++i) {
        const int row = int(i);
        auto* name = new QLabel(m_session.steps.at(i).asana);
        name->setObjectName(QStringLiteral("lblPose_%1").arg(row));
        QFont bold = name->font();
        bold.setBold(true);
        name->setFont(bold);
        auto* mark = new QLabel;
        mark->setObjectName(QStringLiteral("lblCaution_%1").arg(row));
        mark->setAccessibleName(QStringLiteral("Caution for %1").arg(m_session.steps.at(i).asana));
        mark->setTextFormat(Qt::PlainText);
        mark->setWordWrap(true);
        // Wrapped labels in a grid are measured at their minimum width; a sensible one keeps
        // the longest reasons from being cut.
        mark->setMinimumWidth(380);
        QPalette red = mark->palette();
        red.setColor(QPalette::WindowText, QColor(0xb0, 0x20, 0x20));
        mark->setPalette(red);
        auto* leave = new QCheckBox(QStringLiteral("Leave out"));
        leave->setObjectName(QStringLiteral("chkLeaveOut_%1").arg(row));
        leave->setAccessibleName(QStringLiteral("Leave out %1").arg(m_session.steps.at(i).asana));
        grid->addWidget(name, row, 0, Qt::AlignTop);
        grid->addWidget(mark, row, 1, Qt::AlignTop);
        grid->addWidget(leave, row, 2, Qt::AlignTop);
        m_marks.append(mark);
        m_leaveOut.append(leave);
    }
    grid->setRowStretch(int(m_session.steps.size()), 1);
    auto* area = new QScrollArea;
    area->setObjectName(QStringLiteral("scrPoses"));
    area->setAccessibleName(QStringLiteral("Poses of the session"));
    area->setFocusPolicy(Qt::NoFocus);
    area->setWidget(content);
    area->setWidgetResizable(true);
    area->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    area->setMinimumSize(700, 300);
    return area;
}

QList<Condition> SessionCautionsWindow::tickedConditions() const
{
    QList<Condition> ticked;
    for (qsizetype i = 0; i < m_conditions.size(); ++i) {
        if (m_conditions.at(i)->isChecked())
            ticked.append(allConditions().at(i));
    }
    return ticked;
}

void SessionCautionsWindow::showMarks()
{
    const QList<Condition> ticked = tickedConditions();
    for (qsizetype i = 0; i < m_session.steps.size(); ++i) {
        const QStringList marks = cautionMarks(cautionsFor(m_session.steps.at(i).asana, ticked));
        m_marks.at(i)->setText(marks.join(u'\n'));
        // Only a marked pose is offered to leave out; unmarking it keeps it in.
        m_leaveOut.at(i)->setVisible(!marks.isEmpty());
        if (marks.isEmpty())
            m_leaveOut.at(i)->setChecked(false);
    }
}

Session SessionCautionsWindow::chosenSession() const
{
    Session chosen{m_session.name, {}};
    for (qsizetype i = 0; i < m_session.steps.size(); ++i) {
        if (!m_leaveOut.at(i)->isChecked())
            chosen.steps.append(m_session.steps.at(i));
    }
    return chosen;
}

void SessionCautionsWindow::startSession()
{
    storeConditions(m_context.settings, tickedConditions());
    const Session chosen = chosenSession();
    if (chosen.steps.isEmpty()) {
        m_context.desktop.message(this, MessageIcon::Information, MessageButtons::Ok, windowTitle(),
                                  QStringLiteral("Every pose is left out: there is "
                                                 "nothing to practise."));
        return;
    }
    const Start start = m_start;
    closeProgramWindow(this);
    start(chosen);
}

void startSession(const AppContext& context, PracticeStore& store, const Session& session)
{
    auto* cautions =
        new SessionCautionsWindow(context, session, [context, &store](const Session& chosen) {
            auto* player = new SessionPlayerWindow(context, store, chosen);
            if (context.workspace) {
                context.workspace->showFilling(player);
            } else {
                player->setAttribute(Qt::WA_DeleteOnClose);
                player->show();
            }
        });
    openProgramWindow(context, cautions);
}

} // namespace tarvo::practice
