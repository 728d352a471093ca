#include "practice/PracticeFlow.h"

#include "platform/Clock.h"
#include "practice/Chime.h"
#include "practice/MemoryPracticeStore.h"
#include "practice/NotifyingPracticeStore.h"
#include "practice/breathing/BreathingGuideWindow.h"
#include "practice/journal/JournalWindow.h"
#include "practice/sessions/ReadyMadeSession.h"
#include "practice/sessions/SessionCautionsWindow.h"
#include "practice/sessions/SessionPlayerWindow.h"
#include "practice/sessions/SessionsWindow.h"
#include "shell/WorkArea.h"

namespace tarvo::practice {

PracticeFlow::PracticeFlow(const AppContext& context)
    : m_context(context)
    , m_store(std::make_unique<NotifyingPracticeStore>(std::make_unique<MemoryPracticeStore>()))
{
}

PracticeFlow::~PracticeFlow() = default;

PracticeStore& PracticeFlow::store() const
{
    return *m_store;
}

void PracticeFlow::setStore(std::unique_ptr<PracticeStore> store)
{
    m_store->replace(std::move(store));
}

void PracticeFlow::openStoreLater(std::function<std::unique_ptr<PracticeStore>()> opener)
{
    m_store->openLater(std::move(opener));
}

void PracticeFlow::openStoreNow()
{
    m_store->openNow();
}

QWidget* PracticeFlow::open(const PracticeLocation& location)
{
    WorkArea& area = *m_context.area;
    // The welcome panel covers the work area; a practice window chosen from it must be seen.
    area.setWelcomeVisible(false);
    switch (location.window) {
    case PracticeWindow::NewSession:
        area.open(sessionBuilder(m_context, *m_store));
        break;
    case PracticeWindow::Sessions:
        if (!area.bringForward<SessionsWindow>())
            area.open(new SessionsWindow(m_context, *m_store));
        break;
    case PracticeWindow::BreathingGuide:
        if (auto* guide = area.bringForward<BreathingGuideWindow>()) {
            if (!location.breathingPattern.isEmpty())
                guide->selectPattern(location.breathingPattern);
        } else {
            // An empty key opens the guide on its first pattern.
            area.open(new BreathingGuideWindow(m_context, *m_store, location.breathingPattern));
        }
        break;
    case PracticeWindow::Journal:
        if (!area.bringForward<JournalWindow>())
            area.open(new JournalWindow(*m_store, m_context));
        break;
    }
    return area.frontWindow();
}

void PracticeFlow::practise(const QString& title, const QStringList& asanaNames)
{
    m_context.area->setWelcomeVisible(false);
    const ReadyMadeSession made = readyMadeSession(title, asanaNames);
    startSession(m_context, *m_store, made.session, made.notes);
}

std::optional<ResumePoint> PracticeFlow::resumePoint() const
{
    return practice::resumePoint(m_context.settings, m_context.clock.now().toLocalTime().date());
}

void PracticeFlow::resume()
{
    const auto point = resumePoint();
    if (!point)
        return;
    clearResumePoint(m_context.settings);
    m_context.area->setWelcomeVisible(false);
    startSession(m_context, *m_store, remainingSession(*point));
}

void PracticeFlow::setChimeEnabled(bool enabled)
{
    practice::setChimeEnabled(m_context.settings, enabled);
    if (auto* player = m_context.area->find<SessionPlayerWindow>())
        player->followChimeSetting();
}

} // namespace tarvo::practice
