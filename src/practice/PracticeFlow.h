#pragma once

#include "practice/sessions/ResumePoint.h"
#include "shell/AppContext.h"
#include "shell/Location.h"

#include <QStringList>
#include <functional>
#include <memory>
#include <optional>

class QWidget;

namespace tarvo::practice {

class NotifyingPracticeStore;
class PracticeStore;

// Practice: the builder, the saved sessions, a session by way of its cautions to the player, the
// breathing guide and the journal, all over the one store they share. Each window opens once;
// asking for it again brings it forward.
class PracticeFlow final {
    Q_DISABLE_COPY_MOVE(PracticeFlow)

public:
    // context.area is where the windows open.
    explicit PracticeFlow(const AppContext& context);
    ~PracticeFlow();

    // Where the journal and the saved sessions are kept; until the program hands over its
    // database, a store that lasts as long as the flow.
    PracticeStore& store() const;
    void setStore(std::unique_ptr<PracticeStore> store);
    // The journal is opened by opener when Practice first needs it, or by openStoreNow().
    void openStoreLater(std::function<std::unique_ptr<PracticeStore>()> opener);
    void openStoreNow();

    // Opens the window, or brings the open one forward (the breathing guide set to the pattern
    // asked for); the window in front.
    QWidget* open(const PracticeLocation& location);
    void practise(const QString& title, const QStringList& asanaNames);
    // The session stopped today, if there is one, and taking it up from the pose it stopped at.
    std::optional<ResumePoint> resumePoint() const;
    void resume();
    // Practice > Chime at Each Change: the setting, followed at once by a player on screen.
    void setChimeEnabled(bool enabled);

private:
    AppContext m_context;
    // Windows that show practice follow this store's signals.
    std::unique_ptr<NotifyingPracticeStore> m_store;
};

} // namespace tarvo::practice
