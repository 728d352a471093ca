#include "practice/sessions/SessionPlayerWindow.h"

#include "asanas/AsanaCatalogue.h"
#include "asanas/AsanaCautions.h"
#include "asanas/PoseFacts.h"
#include "pictures/Pictures.h"
#include "platform/Clock.h"
#include "platform/Desktop.h"
#include "platform/UserText.h"
#include "practice/Chime.h"
#include "practice/JournalRecording.h"
#include "practice/PracticeSound.h"
#include "practice/PracticeStore.h"
#include "practice/ScreenSaverInhibitor.h"
#include "practice/sessions/PoseStepsPanel.h"
#include "practice/sessions/ResumePoint.h"
#include "practice/sessions/SessionGuidance.h"
#include "shell/ProgramWindow.h"

#include <QCheckBox>
#include <QCloseEvent>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QProgressBar>
#include <QPushButton>
#include <QRegularExpression>
#include <QSignalBlocker>
#include <QTimer>
#include <QVBoxLayout>

namespace tarvo::practice {

namespace {

constexpr int kTickMs = 200;

// A label without an accessible name of its own is read by its text.
QLabel* textLabel(const QString& name, const QString& accessible, qreal growPoints = 0,
                  bool bold = false)
{
    auto* label = new QLabel;
    label->setObjectName(name);
    if (!accessible.isEmpty())
        label->setAccessibleName(accessible);
    label->setTextFormat(Qt::PlainText);
    label->setWordWrap(true);
    QFont font = label->font();
    font.setPointSizeF(font.pointSizeF() + growPoints);
    font.setBold(bold);
    label->setFont(font);
    return label;
}

QProgressBar* progressBar(const QString& name, const QString& accessible)
{
    auto* bar = new QProgressBar;
    bar->setObjectName(name);
    bar->setAccessibleName(accessible);
    bar->setRange(0, 1000);
    bar->setTextVisible(false);
    return bar;
}

// The first benefit: the first numbered item, or the first sentence of a paragraph.
QString shortBenefit(const QString& benefits)
{
    static const QRegularExpression itemNumber(QStringLiteral("^\\d+\\.\\s+"));
    static const QRegularExpression sentenceEnd(QStringLiteral("(?<=[.!?])\\s+(?=[A-Z])"));
    QString first = benefits.section(QStringLiteral("\r\n"), 0, 0);
    first.remove(itemNumber);
    return first.split(sentenceEnd).value(0).trimmed();
}

QString sideText(Side side)
{
    switch (side) {
    case Side::Left:
        return QStringLiteral("left side");
    case Side::Right:
        return QStringLiteral("right side");
    case Side::None:
        break;
    }
    return {};
}

QString withSide(const QString& text, Side side)
{
    const QString sideName = sideText(side);
    return sideName.isEmpty() ? text : QStringLiteral("%1, %2").arg(text, sideName);
}

} // namespace

SessionPlayerWindow::SessionPlayerWindow(const AppContext& context, PracticeStore& store,
                                         Session session, QWidget* parent)
    : QWidget(parent)
    , m_context(context)
    , m_store(store)
    , m_elapsed([this] { return m_steady.elapsed(); })
    , m_player(std::move(session), context.clock.now(), 0)
    , m_timer(new QTimer(this))
    , m_sound(std::make_unique<PracticeSound>(context))
    , m_guidance(std::make_unique<SessionGuidance>(*m_sound))
    , m_awake(new ScreenSaverInhibitor(this))
{
    m_steady.start();
    setObjectName(QStringLiteral("frmSessionPlayer"));
    setWindowTitle(QStringLiteral("Session: %1").arg(isolated(m_player.session().name)));
    setAccessibleName(windowTitle());

    auto* top = new QHBoxLayout;
    auto* title = textLabel(QStringLiteral("lblSessionName"), QStringLiteral("Session"), 2, true);
    title->setText(m_player.session().name);
    top->addWidget(title, 1);
    m_stepCount = textLabel(QStringLiteral("lblStepCount"), QStringLiteral("Pose number"), 1);
    m_stepCount->setWordWrap(false);
    top->addWidget(m_stepCount);

    auto* body = new QHBoxLayout;
    m_picture = new QLabel;
    m_picture->setObjectName(QStringLiteral("picPose"));
    m_picture->setAccessibleName(QStringLiteral("Pose picture"));
    m_picture->setAlignment(Qt::AlignCenter);
    m_picture->setMinimumSize(220, 220);
    // The picture follows the window; its own size must not push the window.
    m_picture->setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Ignored);
    body->addWidget(m_picture, 3);
    m_steps = new PoseStepsPanel(context.readingZoom);
    body->addWidget(m_steps, 3);
    body->addWidget(buildPosePanel(), 2);

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(top);
    layout->addLayout(body, 1);
    m_sessionProgress = progressBar(QStringLiteral("prgSession"), QStringLiteral("Whole session"));
    layout->addWidget(m_sessionProgress);
    layout->addWidget(buildButtons());
    addShortcuts();
    setFocusProxy(m_pauseButton);

    connect(m_timer, &QTimer::timeout, this, &SessionPlayerWindow::tick);
    m_timer->start(kTickMs);
    m_awake->inhibit(QStringLiteral("A guided yoga session is playing"));
    showStep();
    if (m_player.isOver())
        finish();
    else
        guide();
}

SessionPlayerWindow::~SessionPlayerWindow() = default;

QWidget* SessionPlayerWindow::buildPosePanel()
{
    auto* panel = new QWidget;
    auto* column = new QVBoxLayout(panel);
    m_poseName = textLabel(QStringLiteral("lblPoseName"), {}, 10, true);
    m_englishName = textLabel(QStringLiteral("lblEnglishName"), {}, 2);
    m_hold = textLabel(QStringLiteral("lblHold"), {}, 2, true);
    m_cue = textLabel(QStringLiteral("lblCue"), {}, 2);
    m_benefit = textLabel(QStringLiteral("lblBenefit"), {}, 1);
    m_easier = textLabel(QStringLiteral("lblEasier"), {}, 1);
    m_caution = textLabel(QStringLiteral("lblCaution"), {}, 1);
    QPalette red = m_caution->palette();
    red.setColor(QPalette::WindowText, QColor(0xb0, 0x20, 0x20));
    m_caution->setPalette(red);
    // Named for the step it counts, so a screen reader hears each change of pose, not each
    // second.
    m_countdown = textLabel(QStringLiteral("lblCountdown"), QStringLiteral("Time left"), 26, true);
    m_countdown->setAlignment(Qt::AlignCenter);
    m_stepProgress = progressBar(QStringLiteral("prgStep"), QStringLiteral("This step"));
    m_next = textLabel(QStringLiteral("lblNext"), {}, 1);
    for (QWidget* w : {static_cast<QWidget*>(m_poseName), static_cast<QWidget*>(m_englishName),
                       static_cast<QWidget*>(m_hold), static_cast<QWidget*>(m_cue),
                       static_cast<QWidget*>(m_benefit), static_cast<QWidget*>(m_easier),
                       static_cast<QWidget*>(m_caution)})
        column->addWidget(w);
    column->addStretch(1);
    column->addWidget(m_countdown);
    column->addWidget(m_stepProgress);
    column->addWidget(m_next);
    return panel;
}

QWidget* SessionPlayerWindow::buildButtons()
{
    auto* row = new QWidget;
    auto* layout = new QHBoxLayout(row);
    layout->setContentsMargins(0, 0, 0, 0);
    auto button = [&](const QString& name, const QString& caption, const QString& accessible,
                      void (SessionPlayerWindow::*slot)()) {
        auto* push = new QPushButton(caption);
        push->setObjectName(name);
        push->setAccessibleName(accessible);
        push->setMinimumWidth(110);
        connect(push, &QPushButton::clicked, this, slot);
        layout->addWidget(push);
        return push;
    };
    m_previousButton = button(QStringLiteral("cmdPrevious"), QStringLiteral("&Previous"),
                              QStringLiteral("Previous pose"), &SessionPlayerWindow::showPrevious);
    m_pauseButton = button(QStringLiteral("cmdPause"), QStringLiteral("Pa&use"),
                           QStringLiteral("Pause"), &SessionPlayerWindow::togglePause);
    m_nextButton = button(QStringLiteral("cmdNext"), QStringLiteral("&Next"),
                          QStringLiteral("Next pose"), &SessionPlayerWindow::showNext);
    m_stopButton = button(QStringLiteral("cmdStop"), QStringLiteral("&Stop"),
                          QStringLiteral("Stop"), &SessionPlayerWindow::stopOrClose);
    layout->addStretch(1);
    m_chimeBox = new QCheckBox(QStringLiteral("C&hime at each change"));
    m_chimeBox->setObjectName(QStringLiteral("chkChime"));
    m_chimeBox->setAccessibleName(QStringLiteral("Chime at each change"));
    m_chimeBox->setChecked(chimeEnabled(m_context.settings));
    connect(m_chimeBox, &QCheckBox::toggled, this,
            [this](bool on) { setChimeEnabled(m_context.settings, on); });
    layout->addWidget(m_chimeBox);
    return row;
}

void SessionPlayerWindow::followChimeSetting()
{
    const QSignalBlocker quiet(m_chimeBox);
    m_chimeBox->setChecked(chimeEnabled(m_context.settings));
    m_sound->followSettings();
}

void SessionPlayerWindow::guide()
{
    m_guidance->follow(m_player);
}

void SessionPlayerWindow::addShortcuts()
{
    // The keys work wherever the focus is in the window, before the focused control sees them:
    // Space pauses even on the Next button, and the arrows never move between the buttons.
    installEventFilter(this);
    const QList<QWidget*> controls = findChildren<QWidget*>();
    for (QWidget* control : controls) {
        if (control->focusPolicy() != Qt::NoFocus)
            control->installEventFilter(this);
    }
}

bool SessionPlayerWindow::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() != QEvent::ShortcutOverride && event->type() != QEvent::KeyPress)
        return QWidget::eventFilter(watched, event);
    const auto* key = static_cast<QKeyEvent*>(event);
    void (SessionPlayerWindow::*action)() = nullptr;
    if (key->modifiers() == Qt::NoModifier) {
        switch (key->key()) {
        case Qt::Key_Space:
            action = &SessionPlayerWindow::togglePause;
            break;
        case Qt::Key_Right:
            action = &SessionPlayerWindow::showNext;
            break;
        case Qt::Key_Left:
            action = &SessionPlayerWindow::showPrevious;
            break;
        case Qt::Key_Escape:
            action = &SessionPlayerWindow::stopOrClose;
            break;
        default:
            break;
        }
    }
    if (!action)
        return QWidget::eventFilter(watched, event);
    // Claimed before any shortcut of the main window, then acted on as the key goes down.
    event->accept();
    if (event->type() == QEvent::KeyPress && !key->isAutoRepeat())
        (this->*action)();
    return true;
}

void SessionPlayerWindow::setTimeSource(std::function<qint64()> elapsedMs)
{
    m_elapsed = std::move(elapsedMs);
    m_player.rebase(now());
}

void SessionPlayerWindow::tick()
{
    if (m_player.isOver())
        return;
    const int before = m_player.currentIndex();
    m_player.advanceTo(now());
    afterMove(before);
}

void SessionPlayerWindow::afterMove(int before)
{
    if (m_player.isOver()) {
        finish();
        return;
    }
    if (m_player.currentIndex() != before) {
        m_sound->chime();
        showStep();
    } else {
        showClock();
    }
    guide();
}

void SessionPlayerWindow::togglePause()
{
    if (m_player.state() == SessionPlayer::State::Playing) {
        m_player.pause(now());
        m_pauseButton->setText(QStringLiteral("Res&ume"));
        m_pauseButton->setAccessibleName(QStringLiteral("Resume"));
        m_awake->release();
    } else if (m_player.state() == SessionPlayer::State::Paused) {
        m_player.resume(now());
        m_pauseButton->setText(QStringLiteral("Pa&use"));
        m_pauseButton->setAccessibleName(QStringLiteral("Pause"));
        m_awake->inhibit(QStringLiteral("A guided yoga session is playing"));
    }
    showClock();
    guide();
}

void SessionPlayerWindow::showNext()
{
    const int before = m_player.currentIndex();
    m_player.next(now());
    if (!m_recorded)
        afterMove(before);
}

void SessionPlayerWindow::showPrevious()
{
    const int before = m_player.currentIndex();
    m_player.previous(now());
    if (!m_recorded)
        afterMove(before);
    // Back to the start of the same step is a change too.
    if (!m_player.isOver() && m_player.currentIndex() == before)
        showStep();
}

void SessionPlayerWindow::stopOrClose()
{
    if (m_player.isOver()) {
        closeProgramWindow(this);
        return;
    }
    m_player.stop(now());
    finish();
}

void SessionPlayerWindow::showStep()
{
    if (m_player.steps().isEmpty())
        return;
    const TimedStep& step = m_player.current();
    const bool gettingReady = step.phase == StepPhase::GetReady;
    m_stepCount->setText(
        QStringLiteral("Pose %1 of %2").arg(step.pose + 1).arg(m_player.session().steps.size()));
    m_poseName->setText(step.asana);
    const auto number = findAsana(step.asana);
    const AsanaRecord record = number ? loadAsanaCatalogue().at(*number - 1) : AsanaRecord{};
    m_englishName->setText(record.englishName);
    m_hold->setText(gettingReady ? withSide(QStringLiteral("Get ready"), step.side)
                                 : withSide(QStringLiteral("Hold: %1").arg(step.hold), step.side));
    const PoseFacts* facts = poseFacts(step.asana);
    if (facts)
        m_cue->setText(gettingReady ? facts->entryCue
                                    : QStringLiteral("To come out: %1").arg(facts->exitCue));
    else
        m_cue->clear();
    m_cue->setVisible(facts != nullptr);
    m_easier->setText(facts ? QStringLiteral("Level: %1. Make it easier: %2")
                                  .arg(levelName(facts->level), facts->easier)
                            : QString());
    m_easier->setVisible(facts != nullptr);
    m_benefit->setText(shortBenefit(record.benefits));
    const QStringList marks =
        cautionMarks(cautionsFor(step.asana, storedConditions(m_context.settings)));
    m_caution->setText(marks.join(u'\n'));
    m_caution->setVisible(!marks.isEmpty());
    const TimedStep* next = m_player.followingHold();
    m_next->setText(next ? QStringLiteral("Next: %1").arg(withSide(next->asana, next->side))
                         : QStringLiteral("Next: the end of the session"));
    m_countdown->setAccessibleName(
        QStringLiteral("%1 for %2: %3")
            .arg(gettingReady ? QStringLiteral("Get ready") : QStringLiteral("Hold"),
                 withSide(step.asana, step.side), clockText(step.seconds)));
    m_steps->showPose(step.asana);
    m_steps->mark(gettingReady ? PoseStepsPanel::Mark::GetIn : PoseStepsPanel::Mark::Hold);
    showPicture();
    showClock();
}

void SessionPlayerWindow::showClock()
{
    const int left = m_player.remainingSeconds();
    // The way out is shown as the hold's last seconds sound.
    if (!m_player.steps().isEmpty() && m_player.current().phase == StepPhase::Hold && left <= 3)
        m_steps->mark(PoseStepsPanel::Mark::ComeOut);
    m_countdown->setText(clockText(left));
    m_stepProgress->setValue(int(m_player.stepProgress() * 1000));
    m_sessionProgress->setValue(int(m_player.sessionProgress() * 1000));
}

void SessionPlayerWindow::showPicture()
{
    if (m_player.steps().isEmpty())
        return;
    const QString name = m_player.current().asana;
    const int side = std::max(1, std::min(m_picture->width(), m_picture->height()));
    m_picture->setPixmap(QPixmap::fromImage(
        pictures::asanaPicture(name, QSize(side, side), m_picture->devicePixelRatioF())));
    m_picture->setAccessibleDescription(pictures::asanaPictureDescription(name));
}

void SessionPlayerWindow::resizeEvent(QResizeEvent* event)
{
    QWidget::resizeEvent(event);
    showPicture();
}

void SessionPlayerWindow::finish()
{
    if (m_recorded)
        return;
    m_recorded = true;
    m_timer->stop();
    m_awake->release();
    JournalEntry entry = m_player.journalEntry();
    const bool done = entry.completed;
    // A session stopped part way can be taken up again today from the pose it stopped at.
    if (m_player.state() == SessionPlayer::State::Stopped)
        storeResumePoint(m_context.settings, {m_player.session(), m_player.current().pose,
                                              m_context.clock.now().toLocalTime().date()});
    else
        clearResumePoint(m_context.settings);
    if (done)
        m_sound->chime();
    guide();
    recordInJournal(m_store, entry, m_context.desktop, this, QStringLiteral("Journal"),
                    QStringLiteral("session"));
    m_poseName->setText(done ? QStringLiteral("Session complete")
                             : QStringLiteral("Session stopped"));
    m_englishName->setText(entry.summary);
    m_hold->setText(QStringLiteral("%1 practised").arg(clockText(entry.seconds)));
    m_cue->clear();
    m_easier->clear();
    m_benefit->clear();
    m_caution->hide();
    m_next->clear();
    m_countdown->setText(clockText(0));
    m_stepProgress->setValue(done ? 1000 : m_stepProgress->value());
    m_sessionProgress->setValue(done ? 1000 : m_sessionProgress->value());
    if (done)
        m_picture->setPixmap(QPixmap::fromImage(pictures::asanaPicture(
            QStringLiteral("Shavasana"), m_picture->size(), m_picture->devicePixelRatioF())));
    for (QPushButton* button : {m_previousButton, m_pauseButton, m_nextButton})
        button->setEnabled(false);
    m_stopButton->setText(QStringLiteral("&Close"));
    m_stopButton->setAccessibleName(QStringLiteral("Close"));
    m_stopButton->setFocus(Qt::OtherFocusReason);
}

void SessionPlayerWindow::closeEvent(QCloseEvent* event)
{
    if (!m_player.isOver()) {
        // Switching program or leaving the program must not end a practice unasked.
        if (!ask(m_context.desktop, this, windowTitle(),
                 QStringLiteral("End the session?\n\nWhat you have practised "
                                "so far is kept in the journal."))) {
            event->ignore();
            return;
        }
        m_player.stop(now());
    }
    finish();
    QWidget::closeEvent(event);
}

} // namespace tarvo::practice
