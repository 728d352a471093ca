#pragma once

#include "practice/breathing/BreathingEngine.h"
#include "shell/AppContext.h"

#include <QElapsedTimer>
#include <QWidget>
#include <functional>
#include <memory>
#include <optional>

class QComboBox;
class QLabel;
class QPushButton;
class QSpinBox;
class QVariantAnimation;

namespace tarvo {

namespace practice {
class BreathingGuidance;
class PracticeSound;
class PracticeStore;
} // namespace practice

class BreathingCircle;

// The breathing guide: a pattern, a length, and a circle to breathe with. Every practice that
// is started is written to the journal when it ends, is stopped or its window closes.
class BreathingGuideWindow final : public QWidget {
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(BreathingGuideWindow)

public:
    BreathingGuideWindow(const AppContext& context, practice::PracticeStore& store,
                         const QString& patternKey = QStringLiteral("equal"),
                         QWidget* parent = nullptr);
    ~BreathingGuideWindow() override;

    // False for an unknown key; a running practice keeps its pattern.
    bool selectPattern(const QString& key);
    QString patternKey() const;

    void start();
    void togglePause();
    void stop();
    bool practising() const;

    // Milliseconds of a steady clock; the animation reads it at every frame.
    void setTimeSource(std::function<qint64()> now) { m_now = std::move(now); }
    // Shows the practice as it stands now; the animation calls it 60 times a second.
    void refresh();

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    QWidget* buildChoice();
    QWidget* buildCustomCounts();
    QWidget* buildButtons();
    void patternChosen();
    // The pattern's cautions, those of the conditions the user ticked, and its limits.
    void showSafety();
    void showLimits();
    practice::BreathingPattern chosenPattern() const;
    practice::BreathingLength chosenLength() const;
    void finish();
    void showIdle(const QString& word, const QString& hint = {});
    void updateButtons();

    AppContext m_context;
    practice::PracticeStore& m_store;
    QElapsedTimer m_steady;
    std::function<qint64()> m_now;
    std::optional<practice::BreathingEngine> m_engine;
    std::unique_ptr<practice::PracticeSound> m_sound;
    // Made for each practice, in the mode the settings give at its start.
    std::unique_ptr<practice::BreathingGuidance> m_guidance;
    bool m_recorded = true;
    QVariantAnimation* m_ticker = nullptr;

    QComboBox* m_pattern = nullptr;
    QWidget* m_custom = nullptr;
    QSpinBox* m_counts[4] = {};
    QLabel* m_note = nullptr;
    QLabel* m_marks = nullptr;
    QLabel* m_cautions = nullptr;
    QLabel* m_roundsWarning = nullptr;
    QSpinBox* m_length = nullptr;
    QComboBox* m_unit = nullptr;
    BreathingCircle* m_circle = nullptr;
    QLabel* m_phase = nullptr;
    QLabel* m_nostril = nullptr;
    QLabel* m_cue = nullptr;
    QLabel* m_round = nullptr;
    QPushButton* m_start = nullptr;
    QPushButton* m_pause = nullptr;
    QPushButton* m_stop = nullptr;
};

} // namespace tarvo
