#pragma once

#include "practice/sessions/SessionPlayer.h"
#include "shell/AppContext.h"

#include <QElapsedTimer>
#include <QWidget>
#include <functional>
#include <memory>

class QCheckBox;
class QLabel;
class QProgressBar;
class QPushButton;
class QTimer;

namespace tarvo::practice {

class PoseStepsPanel;
class PracticeSound;
class PracticeStore;
class SessionGuidance;
class ScreenSaverInhibitor;

// Plays a session over the whole work area: the pose large, its hold counted down, what comes
// next. Space pauses and resumes, the arrow keys step, Escape stops; the practice goes into
// the journal when it ends, is stopped or the window closes.
class SessionPlayerWindow final : public QWidget {
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(SessionPlayerWindow)

public:
    SessionPlayerWindow(const AppContext& context, PracticeStore& store, Session session,
                        QWidget* parent = nullptr);
    ~SessionPlayerWindow() override;

    const SessionPlayer& player() const { return m_player; }
    // Milliseconds of a steady clock; a steady timer of its own unless given.
    void setTimeSource(std::function<qint64()> elapsedMs);
    // Brings the session up to the time now, as the window's timer does several times a second.
    void tick();

    void togglePause();
    void showNext();
    void showPrevious();
    // Stops a session that is playing; closes the window once it is over.
    void stopOrClose();
    // Shows the chime setting again after it was changed outside the window, and takes up the
    // voice settings.
    void followChimeSetting();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

private:
    QWidget* buildPosePanel();
    QWidget* buildButtons();
    void addShortcuts();
    qint64 now() const { return m_elapsed(); }
    void afterMove(int before);
    void showStep();
    void showClock();
    void showPicture();
    // Tells the guidance what the player did, so the voice follows it.
    void guide();
    void finish();

    AppContext m_context;
    PracticeStore& m_store;
    std::function<qint64()> m_elapsed;
    QElapsedTimer m_steady;
    SessionPlayer m_player;
    bool m_recorded = false;

    QTimer* m_timer;
    std::unique_ptr<PracticeSound> m_sound;
    std::unique_ptr<SessionGuidance> m_guidance;
    ScreenSaverInhibitor* m_awake;
    QLabel* m_stepCount = nullptr;
    QLabel* m_picture = nullptr;
    PoseStepsPanel* m_steps = nullptr;
    QLabel* m_poseName = nullptr;
    QLabel* m_englishName = nullptr;
    QLabel* m_hold = nullptr;
    QLabel* m_cue = nullptr;
    QLabel* m_benefit = nullptr;
    QLabel* m_easier = nullptr;
    QLabel* m_caution = nullptr;
    QLabel* m_countdown = nullptr;
    QProgressBar* m_stepProgress = nullptr;
    QProgressBar* m_sessionProgress = nullptr;
    QLabel* m_next = nullptr;
    QPushButton* m_previousButton = nullptr;
    QPushButton* m_pauseButton = nullptr;
    QPushButton* m_nextButton = nullptr;
    QPushButton* m_stopButton = nullptr;
    QCheckBox* m_chimeBox = nullptr;
};

} // namespace tarvo::practice
