#include "practice/sessions/SessionCautionsWindow.h"

#include "platform/Desktop.h"
#include "platform/UserText.h"
#include "practice/sessions/SessionPlayerWindow.h"
#include "practice/sessions/SessionSafety.h"
#include "shell/ProgramWindow.h"
#include "shell/WorkArea.h"

#include <QCheckBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QScrollArea>
#include <QVBoxLayout>

namespace tarvo::practice {

namespace {

constexpr int kConditionColumns = 3;

QLabel* wrappedLabel(const QString& name, const QString& text = {})
{
    auto* label = new QLabel(text);
    label->setObjectName(name);
    label->setTextFormat(Qt::PlainText);
    label->setWordWrap(true);
    return label;
}

void paintRed(QLabel* label)
{
    QPalette red = label->palette();
    red.setColor(QPalette::WindowText, QColor(0xb0, 0x20, 0x20));
    label->setPalette(red);
}

} // namespace

SessionCautionsWindow::SessionCautionsWindow(const AppContext& context, Session session,
                                             QStringList notes, Start start, QWidget* parent)
    : QWidget(parent)
    , m_context(context)
    , m_session(std::move(session))
    , m_start(std::move(start))
{
    setObjectName(QStringLiteral("frmSessionCautions"));
    setWindowTitle(QStringLiteral("Before you start: %1").arg(isolated(m_session.name)));

    auto* intro = wrappedLabel(
        QStringLiteral("lblCautionsIntro"),
        QStringLiteral("Tick what applies to you. A pose whose text says to avoid it with what you "
                       "tick is left out, and one that asks for care is marked with the reason. "
                       "You can leave out any pose."));

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

    // One scrolling page above the buttons, so the window fits any work area and zoom.
    auto* content = new QWidget;
    auto* column = new QVBoxLayout(content);
    column->addWidget(intro);
    column->addWidget(buildSummary(notes));
    column->addWidget(buildConditions());
    column->addWidget(buildPoses());
    column->addStretch(1);
    auto* area = new QScrollArea;
    area->setObjectName(QStringLiteral("scrCautions"));
    area->setFocusPolicy(Qt::NoFocus);
    area->setFrameShape(QFrame::NoFrame);
    area->setWidget(content);
    area->setWidgetResizable(true);
    area->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(area, 1);
    layout->addLayout(buttons);
    showMarks();
}

QSize SessionCautionsWindow::sizeHint() const
{
    // As much of the work area as the page can use; the work area bounds it.
    return {900, 1000};
}

QWidget* SessionCautionsWindow::buildSummary(const QStringList& notes)
{
    auto* box = new QGroupBox(QStringLiteral("This session"));
    box->setObjectName(QStringLiteral("fraSessionSummary"));
    auto* column = new QVBoxLayout(box);
    const QString notFor = notForText(m_session);
    if (!notFor.isEmpty()) {
        auto* label = wrappedLabel(QStringLiteral("lblNotFor"), notFor);
        paintRed(label);
        column->addWidget(label);
    }
    if (!notes.isEmpty())
        column->addWidget(wrappedLabel(QStringLiteral("lblRunningOrder"), notes.join(u'\n')));
    auto* stop = wrappedLabel(QStringLiteral("lblStopAtOnce"), stopAtOnceText());
    QFont bold = stop->font();
    bold.setBold(true);
    stop->setFont(bold);
    column->addWidget(stop);
    return box;
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
        grid->addWidget(check, index / kConditionColumns, index % kConditionColumns);
        m_conditions.append(check);
    }
    return box;
}

QWidget* SessionCautionsWindow::buildPoses()
{
    auto* box = new QGroupBox(QStringLiteral("The poses of this session"));
    box->setObjectName(QStringLiteral("fraPoses"));
    auto* grid = new QGridLayout(box);
    grid->setColumnStretch(1, 1);
    for (qsizetype i = 0; i < m_session.steps.size(); ++i) {
        const int row = int(i);
        const QString& asana = m_session.steps.at(i).asana;
        auto* name = wrappedLabel(QStringLiteral("lblPose_%1").arg(row), asana);
        name->setWordWrap(false);
        QFont bold = name->font();
        bold.setBold(true);
        name->setFont(bold);
        auto* mark = wrappedLabel(QStringLiteral("lblCaution_%1").arg(row));
        // Wrapped labels in a grid are measured at their minimum width; a sensible one keeps
        // the longest reasons from being cut.
        mark->setMinimumWidth(360);
        paintRed(mark);
        auto* leave = new QCheckBox(QStringLiteral("Leave out"));
        leave->setObjectName(QStringLiteral("chkLeaveOut_%1").arg(row));
        leave->setAccessibleName(QStringLiteral("Leave out %1").arg(asana));
        connect(leave, &QCheckBox::clicked, this, [this, row] { m_chosenByUser.insert(row); });
        grid->addWidget(name, row, 0, Qt::AlignTop);
        grid->addWidget(mark, row, 1, Qt::AlignTop);
        grid->addWidget(leave, row, 2, Qt::AlignTop);
        m_marks.append(mark);
        m_leaveOut.append(leave);
    }
    return box;
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
        const QString& asana = m_session.steps.at(i).asana;
        const QList<Caution> cautions = cautionsFor(asana, ticked);
        const QString marks = cautionMarks(cautions).join(u'\n');
        m_marks.at(i)->setText(marks);
        // The label's own name would hide its text from a screen reader.
        m_marks.at(i)->setAccessibleName(
            marks.isEmpty() ? QStringLiteral("No caution for %1").arg(asana)
                            : QStringLiteral("Caution for %1: %2").arg(asana, marks));
        if (!m_chosenByUser.contains(int(i)))
            m_leaveOut.at(i)->setChecked(rulesOut(cautions));
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
        inform(m_context.desktop, this, windowTitle(),
               QStringLiteral("Every pose is left out: there is "
                              "nothing to practise."));
        return;
    }
    const Start start = m_start;
    closeProgramWindow(this);
    start(chosen);
}

void startSession(const AppContext& context, PracticeStore& store, const Session& session,
                  const QStringList& notes)
{
    auto* cautions = new SessionCautionsWindow(
        context, session, notes, [context, &store](const Session& chosen) {
            auto* player = new SessionPlayerWindow(context, store, chosen);
            if (context.area) {
                context.area->open(player, Placement::Filling);
                context.area->activate(player);
                player->setFocus(Qt::OtherFocusReason);
            } else {
                player->setAttribute(Qt::WA_DeleteOnClose);
                player->show();
            }
        });
    openProgramWindow(context, cautions);
}

} // namespace tarvo::practice
