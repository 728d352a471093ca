#pragma once

#include "asanas/AsanaCautions.h"
#include "practice/PracticeTypes.h"
#include "shell/AppContext.h"

#include <QSet>
#include <QWidget>
#include <functional>

class QCheckBox;
class QLabel;

namespace tarvo::practice {

class PracticeStore;

// Before every session: what the session is not for and when to stop, the conditions that apply
// (remembered in the settings), and for each pose the reasons its text gives to leave it out or
// take care, with the choice to leave any pose out. A pose that a ticked condition rules out is
// left out unless the user keeps it.
class SessionCautionsWindow final : public QWidget {
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(SessionCautionsWindow)

public:
    using Start = std::function<void(const Session&)>;

    // notes: what the running order of a ready-made session added or left out.
    SessionCautionsWindow(const AppContext& context, Session session, QStringList notes,
                          Start start, QWidget* parent = nullptr);

    QSize sizeHint() const override;
    QList<Condition> tickedConditions() const;
    // The session as it will be played: the poses left out taken away.
    Session chosenSession() const;
    void startSession();

private:
    QWidget* buildSummary(const QStringList& notes);
    QWidget* buildConditions();
    QWidget* buildPoses();
    void showMarks();

    AppContext m_context;
    Session m_session;
    Start m_start;
    QList<QCheckBox*> m_conditions;
    QList<QLabel*> m_marks;
    QList<QCheckBox*> m_leaveOut;
    // Poses whose Leave out box the user set; the others follow the ticked conditions.
    QSet<int> m_chosenByUser;
};

// Asks about the cautions, then plays the session over the work area; the journal entry goes
// to store.
void startSession(const AppContext& context, PracticeStore& store, const Session& session,
                  const QStringList& notes = {});

} // namespace tarvo::practice
