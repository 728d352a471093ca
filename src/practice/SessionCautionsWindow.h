#pragma once

#include "asanas/AsanaCautions.h"
#include "platform/AppContext.h"
#include "practice/PracticeTypes.h"

#include <QWidget>
#include <functional>

class QCheckBox;
class QLabel;

namespace tarvo::practice {

class PracticeStore;

// Before a session starts: the conditions that apply (remembered in the settings), and for
// each pose whose cautions name one of them, the reason and the choice to leave it out.
class SessionCautionsWindow final : public QWidget {
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(SessionCautionsWindow)

public:
    using Start = std::function<void(const Session&)>;

    SessionCautionsWindow(const AppContext& context, Session session, Start start,
                          QWidget* parent = nullptr);

    QList<Condition> tickedConditions() const;
    // The session as it will be played: the poses left out taken away.
    Session chosenSession() const;
    void startSession();

private:
    QWidget* buildConditions();
    QWidget* buildPoses();
    void showMarks();

    AppContext m_context;
    Session m_session;
    Start m_start;
    QList<QCheckBox*> m_conditions;
    QList<QLabel*> m_marks;
    QList<QCheckBox*> m_leaveOut;
};

// Asks about the cautions, then plays the session over the work area; the journal entry goes
// to store.
void startSession(const AppContext& context, PracticeStore& store, const Session& session);

} // namespace tarvo::practice
