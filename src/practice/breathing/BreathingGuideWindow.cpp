#include "practice/breathing/BreathingGuideWindow.h"

#include "asanas/AsanaCautions.h"
#include "platform/Clock.h"
#include "platform/Desktop.h"
#include "practice/JournalRecording.h"
#include "practice/PracticeSound.h"
#include "practice/PracticeStore.h"
#include "practice/VoiceSettings.h"
#include "practice/breathing/BreathingCircle.h"
#include "practice/breathing/BreathingGuidance.h"

#include <QCloseEvent>
#include <QComboBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSpinBox>
#include <QVBoxLayout>
#include <QVariantAnimation>

namespace tarvo {

using namespace practice;

namespace {

const QString kCustomKey = QStringLiteral("custom");

// The labels that change as the breath goes fill their own background, so a new count or word
// repaints the label alone, not the window behind it.
QLabel* label(const char* name, QWidget* parent)
{
    auto* widget = new QLabel(parent);
    widget->setObjectName(QLatin1String(name));
    widget->setAlignment(Qt::AlignCenter);
    widget->setWordWrap(true);
    widget->setAutoFillBackground(true);
    return widget;
}

// The spin box's own editor is what a screen reader lands on, so it carries the name too.
void setSpinName(QSpinBox* spin, const QString& name)
{
    spin->setAccessibleName(name);
    if (auto* editor = spin->findChild<QLineEdit*>())
        editor->setAccessibleName(name);
}

QLabel* safetyLabel(const char* name, QWidget* parent, bool red)
{
    auto* widget = new QLabel(parent);
    widget->setObjectName(QLatin1String(name));
    widget->setTextFormat(Qt::PlainText);
    widget->setWordWrap(true);
    if (red) {
        QPalette palette = widget->palette();
        palette.setColor(QPalette::WindowText, QColor(0xb0, 0x20, 0x20));
        widget->setPalette(palette);
    }
    widget->hide();
    return widget;
}

void showText(QLabel* label, const QString& text)
{
    label->setText(text);
    label->setVisible(!text.isEmpty());
}

// A part second left counts as a whole one, so the clock reads 0:00 only at the end.
int secondsLeft(qint64 milliseconds)
{
    return int((milliseconds + 999) / 1000);
}

} // namespace

BreathingGuideWindow::BreathingGuideWindow(const AppContext& context, PracticeStore& store,
                                           const QString& patternKey, QWidget* parent)
    : QWidget(parent)
    , m_context(context)
    , m_store(store)
    , m_sound(std::make_unique<PracticeSound>(context))
{
    setObjectName(QStringLiteral("frmBreathingGuide"));
    setWindowTitle(QStringLiteral("Breathing Guide"));
    m_steady.start();
    m_now = [this] { return m_steady.elapsed(); };

    // Frames come from Qt's animation timer, 60 a second, and only while a practice runs.
    m_ticker = new QVariantAnimation(this);
    m_ticker->setStartValue(0.0);
    m_ticker->setEndValue(1.0);
    m_ticker->setDuration(1000);
    m_ticker->setLoopCount(-1);
    connect(m_ticker, &QVariantAnimation::valueChanged, this, &BreathingGuideWindow::refresh);

    m_circle = new BreathingCircle(this);
    m_circle->setObjectName(QStringLiteral("picBreathingCircle"));
    m_phase = label("lblPhase", this);
    QFont large = m_phase->font();
    large.setPixelSize(26);
    large.setBold(true);
    m_phase->setFont(large);
    m_nostril = label("lblNostril", this);
    QFont bold = m_nostril->font();
    bold.setPixelSize(18);
    bold.setBold(true);
    m_nostril->setFont(bold);
    m_nostril->setStyleSheet(QStringLiteral("color: #3e7d6a;"));
    m_cue = label("lblCue", this);
    QFont italic = m_cue->font();
    italic.setItalic(true);
    m_cue->setFont(italic);
    m_round = label("lblRound", this);

    auto* column = new QVBoxLayout(this);
    column->addWidget(buildChoice());
    column->addWidget(m_circle, 1);
    column->addWidget(m_phase);
    column->addWidget(m_nostril);
    column->addWidget(m_cue);
    column->addWidget(m_round);
    column->addWidget(buildButtons());

    if (!selectPattern(patternKey))
        selectPattern(QStringLiteral("equal"));
}

BreathingGuideWindow::~BreathingGuideWindow() = default;

QWidget* BreathingGuideWindow::buildChoice()
{
    auto* box = new QWidget(this);
    auto* grid = new QGridLayout(box);
    grid->setContentsMargins(0, 0, 0, 0);

    m_pattern = new QComboBox(box);
    m_pattern->setObjectName(QStringLiteral("cboPattern"));
    m_pattern->setAccessibleName(QStringLiteral("Breathing pattern"));
    for (const BreathingPattern& pattern : breathingPatterns())
        m_pattern->addItem(QStringLiteral("%1 (%2)").arg(pattern.name, pattern.pace), pattern.key);
    m_pattern->addItem(QStringLiteral("Custom pattern"), kCustomKey);
    auto* patternLabel = new QLabel(QStringLiteral("Pa&ttern:"), box);
    patternLabel->setBuddy(m_pattern);
    grid->addWidget(patternLabel, 0, 0);
    grid->addWidget(m_pattern, 0, 1, 1, 2);

    grid->addWidget(buildCustomCounts(), 1, 1, 1, 2);

    m_note = new QLabel(box);
    m_note->setObjectName(QStringLiteral("lblPatternNote"));
    m_note->setWordWrap(true);
    grid->addWidget(m_note, 2, 1, 1, 2);
    m_marks = safetyLabel("lblPatternMarks", box, true);
    grid->addWidget(m_marks, 3, 1, 1, 2);
    m_cautions = safetyLabel("lblPatternCautions", box, false);
    grid->addWidget(m_cautions, 4, 1, 1, 2);
    m_roundsWarning = safetyLabel("lblRoundsWarning", box, true);
    grid->addWidget(m_roundsWarning, 5, 1, 1, 2);

    m_length = new QSpinBox(box);
    m_length->setObjectName(QStringLiteral("spnLength"));
    setSpinName(m_length, QStringLiteral("Length"));
    m_unit = new QComboBox(box);
    m_unit->setObjectName(QStringLiteral("cboLengthUnit"));
    m_unit->setAccessibleName(QStringLiteral("Length in"));
    m_unit->addItem(QStringLiteral("rounds"));
    m_unit->addItem(QStringLiteral("minutes"));
    connect(m_unit, &QComboBox::currentIndexChanged, this, &BreathingGuideWindow::showLimits);
    connect(m_length, &QSpinBox::valueChanged, this, &BreathingGuideWindow::showLimits);
    m_length->setRange(1, kMaxRounds);
    auto* lengthLabel = new QLabel(QStringLiteral("&Length:"), box);
    lengthLabel->setBuddy(m_length);
    grid->addWidget(lengthLabel, 6, 0);
    grid->addWidget(m_length, 6, 1);
    grid->addWidget(m_unit, 6, 2);
    grid->setColumnStretch(2, 1);

    connect(m_pattern, &QComboBox::currentIndexChanged, this, &BreathingGuideWindow::patternChosen);
    return box;
}

QWidget* BreathingGuideWindow::buildCustomCounts()
{
    m_custom = new QWidget(this);
    m_custom->setObjectName(QStringLiteral("fraCustom"));
    // Two by two, so the counts fit however narrow the work area makes the window.
    auto* grid = new QGridLayout(m_custom);
    grid->setContentsMargins(0, 0, 0, 0);
    struct Count {
        const char* name;
        const char* caption;
        const char* accessible;
        int minimum;
        int value;
    };
    static const Count counts[] = {
        {"spnInhale", "I&nhale", "Breathe in, seconds", 1, 4},
        {"spnHold", "Hol&d", "Hold after breathing in, seconds", 0, 4},
        {"spnExhale", "E&xhale", "Breathe out, seconds", 1, 4},
        {"spnHoldOut", "Hold e&mpty", "Hold after breathing out, seconds", 0, 0},
    };
    for (int i = 0; i < 4; ++i) {
        auto* spin = new QSpinBox(m_custom);
        spin->setObjectName(QLatin1String(counts[i].name));
        setSpinName(spin, QLatin1String(counts[i].accessible));
        spin->setRange(counts[i].minimum, kMaxCount);
        spin->setValue(counts[i].value);
        spin->setSuffix(QStringLiteral(" s"));
        auto* caption = new QLabel(QLatin1String(counts[i].caption), m_custom);
        caption->setBuddy(spin);
        grid->addWidget(caption, i / 2, (i % 2) * 2);
        grid->addWidget(spin, i / 2, (i % 2) * 2 + 1);
        m_counts[i] = spin;
        connect(spin, &QSpinBox::valueChanged, this, &BreathingGuideWindow::showSafety);
    }
    grid->setColumnStretch(1, 1);
    grid->setColumnStretch(3, 1);
    return m_custom;
}

QWidget* BreathingGuideWindow::buildButtons()
{
    auto* box = new QWidget(this);
    auto* row = new QHBoxLayout(box);
    row->setContentsMargins(0, 0, 0, 0);
    m_start = new QPushButton(QStringLiteral("&Start"), box);
    m_start->setObjectName(QStringLiteral("cmdStart"));
    m_pause = new QPushButton(QStringLiteral("P&ause"), box);
    m_pause->setObjectName(QStringLiteral("cmdPause"));
    m_stop = new QPushButton(QStringLiteral("St&op"), box);
    m_stop->setObjectName(QStringLiteral("cmdStop"));
    for (QPushButton* button : {m_start, m_pause, m_stop}) {
        button->setMinimumWidth(100);
        row->addWidget(button);
    }
    connect(m_start, &QPushButton::clicked, this, &BreathingGuideWindow::start);
    connect(m_pause, &QPushButton::clicked, this, &BreathingGuideWindow::togglePause);
    connect(m_stop, &QPushButton::clicked, this, &BreathingGuideWindow::stop);
    updateButtons();
    return box;
}

bool BreathingGuideWindow::selectPattern(const QString& key)
{
    const int index = m_pattern->findData(key);
    if (index < 0)
        return false;
    if (practising())
        return true;
    m_pattern->setCurrentIndex(index);
    patternChosen();
    return true;
}

QString BreathingGuideWindow::patternKey() const
{
    return m_pattern->currentData().toString();
}

void BreathingGuideWindow::patternChosen()
{
    const bool custom = patternKey() == kCustomKey;
    m_custom->setVisible(custom);
    const auto preset = breathingPattern(patternKey());
    showText(m_note, preset ? preset->note : QString());
    // Forceful breathing goes by rounds, never by minutes.
    const bool forceful = preset && preset->beginnerRounds > 0;
    if (forceful)
        m_unit->setCurrentIndex(0);
    m_unit->setEnabled(!forceful);
    if (m_unit->currentIndex() == 0)
        m_length->setValue(preset ? preset->defaultRounds : 10);
    showSafety();
    if (!practising())
        showIdle(QStringLiteral("Ready"),
                 QStringLiteral("Press Start and breathe with the circle"));
}

void BreathingGuideWindow::showSafety()
{
    const BreathingPattern pattern = chosenPattern();
    showText(m_marks,
             cautionMarks(cautionsIn(pattern.conditionNotes, storedConditions(m_context.settings)))
                 .join(u'\n'));
    QStringList cautions;
    for (const QString& caution : pattern.cautions)
        cautions.append(QStringLiteral("\u2022 ") + caution);
    showText(m_cautions,
             cautions.isEmpty() ? QString() : QStringLiteral("Cautions:\n") + cautions.join(u'\n'));
    showLimits();
}

void BreathingGuideWindow::showLimits()
{
    const BreathingPattern pattern = chosenPattern();
    const bool rounds = m_unit->currentIndex() == 0;
    m_length->setMaximum(pattern.beginnerRounds > 0 ? kMaxForcefulRounds
                         : rounds                   ? kMaxRounds
                                                    : kMaxMinutes);
    showText(m_roundsWarning, roundsWarning(pattern, m_length->value()));
}

BreathingPattern BreathingGuideWindow::chosenPattern() const
{
    if (const auto preset = breathingPattern(patternKey()))
        return *preset;
    return customPattern(
        {m_counts[0]->value(), m_counts[1]->value(), m_counts[2]->value(), m_counts[3]->value()});
}

BreathingLength BreathingGuideWindow::chosenLength() const
{
    return {m_unit->currentIndex() == 0 ? BreathingLength::Unit::Rounds
                                        : BreathingLength::Unit::Minutes,
            m_length->value()};
}

bool BreathingGuideWindow::practising() const
{
    return m_engine && !m_recorded;
}

void BreathingGuideWindow::start()
{
    if (practising())
        return;
    const BreathingPattern pattern = chosenPattern();
    const QList<Caution> cautions =
        cautionsIn(pattern.conditionNotes, storedConditions(m_context.settings));
    if (rulesOut(cautions)) {
        QList<Condition> ruledOut;
        for (const Caution& caution : cautions) {
            if (caution.advice == Advice::Avoid)
                ruledOut.append(caution.condition);
        }
        const MessageAnswer answer = m_context.desktop.message(
            this, MessageIcon::Question, MessageButtons::YesNo, windowTitle(),
            QStringLiteral("%1 is not for %2, which you ticked before a session. Breathe with "
                           "it all the same?")
                .arg(pattern.name, conditionNames(ruledOut).toLower()));
        if (answer != MessageAnswer::Yes)
            return;
    }
    const int rounds = roundsFor(pattern, chosenLength());
    m_engine.emplace(pattern, rounds);
    const VoiceSettings voice = voiceSettings(m_context.settings);
    m_sound->followSettings();
    m_guidance.reset();
    if (voice.voice || voice.tones)
        m_guidance = std::make_unique<BreathingGuidance>(
            *m_sound,
            voice.voice ? BreathingGuidance::Mode::Voice : BreathingGuidance::Mode::Tones);
    m_engine->start(m_now(), m_context.clock.now());
    m_recorded = false;
    m_ticker->start();
    refresh();
    updateButtons();
}

void BreathingGuideWindow::togglePause()
{
    if (!practising())
        return;
    if (m_engine->paused()) {
        m_engine->resume(m_now());
        m_ticker->start();
    } else {
        m_engine->pause(m_now());
        m_ticker->stop();
    }
    refresh();
    updateButtons();
}

void BreathingGuideWindow::stop()
{
    if (!practising())
        return;
    m_engine->stop(m_now());
    finish();
}

void BreathingGuideWindow::refresh()
{
    if (!m_engine)
        return;
    const qint64 now = m_now();
    const BreathingState state = m_engine->state(now);
    const BreathPhase& phase = state.phase;
    const QString word = state.paused ? QStringLiteral("Paused") : phaseWord(phase.kind);
    const QString count = QString::number(state.count);
    const QString nostril = nostrilText(phase.nostril);
    m_circle->showBreath(state.fullness, count,
                         nostril.isEmpty()
                             ? QStringLiteral("%1, %2").arg(word, count)
                             : QStringLiteral("%1, %2, %3").arg(word, count, nostril));
    m_phase->setText(word);
    m_nostril->setText(nostril);
    m_cue->setText(phase.cue);
    if (m_guidance && !m_recorded)
        m_guidance->follow(state);
    m_round->setText(QStringLiteral("Round %1 of %2, %3 left")
                         .arg(state.round)
                         .arg(state.rounds)
                         .arg(clockText(secondsLeft(m_engine->totalMilliseconds()
                                                    - state.elapsedMilliseconds))));
    if (!m_recorded && m_engine->done(now))
        finish();
}

void BreathingGuideWindow::finish()
{
    m_ticker->stop();
    // Nothing is said after the practice ends.
    m_sound->hush();
    if (m_recorded)
        return;
    const qint64 now = m_now();
    m_recorded = true;
    JournalEntry entry = m_engine->entry(now);
    recordInJournal(m_store, entry, m_context.desktop, this, windowTitle(),
                    QStringLiteral("practice"));
    showIdle(entry.completed ? QStringLiteral("Well done") : QStringLiteral("Stopped"));
    m_round->setText(entry.summary);
    updateButtons();
}

void BreathingGuideWindow::showIdle(const QString& word, const QString& hint)
{
    m_circle->showBreath(0.0, QString(), word);
    m_phase->setText(word);
    m_nostril->clear();
    m_cue->setText(hint);
    m_round->clear();
}

void BreathingGuideWindow::updateButtons()
{
    const bool on = practising();
    m_start->setEnabled(!on);
    m_pause->setEnabled(on);
    m_stop->setEnabled(on);
    m_pause->setText(on && m_engine->paused() ? QStringLiteral("&Resume")
                                              : QStringLiteral("P&ause"));
    for (QWidget* setting : {static_cast<QWidget*>(m_pattern), m_custom,
                             static_cast<QWidget*>(m_length), static_cast<QWidget*>(m_unit)})
        setting->setEnabled(!on);
}

void BreathingGuideWindow::closeEvent(QCloseEvent* event)
{
    // Closing the window ends the practice as Stop would, so it is not lost from the journal.
    stop();
    QWidget::closeEvent(event);
}

} // namespace tarvo
