#include "practice/sessions/PoseStepsPanel.h"

#include "asanas/AsanaCatalogue.h"
#include "asanas/PoseFacts.h"
#include "platform/ReadingText.h"

#include <QEvent>
#include <QLabel>
#include <QScrollArea>
#include <QVBoxLayout>

namespace tarvo::practice {

namespace {

// Larger than reading text: the user is a couple of metres away, on the floor.
constexpr qreal kStepPoints = 15.0;
const QColor kMarkedBackground(0xe3, 0xf0, 0xea);
const QColor kMarkedBar(0x3e, 0x7d, 0x6a);

} // namespace

PoseStepsPanel::PoseStepsPanel(const ReadingZoom* zoom, QWidget* parent)
    : QWidget(parent)
    , m_zoom(zoom)
    , m_area(new QScrollArea)
{
    setObjectName(QStringLiteral("fraPoseSteps"));
    setAccessibleName(QStringLiteral("How to do the pose"));
    // Steps keep their whole height at any zoom; the one said now is scrolled to.
    auto* steps = new QWidget;
    m_column = new QVBoxLayout(steps);
    m_column->setContentsMargins(0, 0, 0, 0);
    m_column->addStretch(1);
    m_area->setWidget(steps);
    m_area->setWidgetResizable(true);
    m_area->setFrameShape(QFrame::NoFrame);
    m_area->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    m_area->setFocusPolicy(Qt::NoFocus);
    // A zoom or a new pose re-lays the steps out after the mark moved: scroll again then.
    steps->installEventFilter(this);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(m_area);
}

void PoseStepsPanel::showPose(const QString& asana)
{
    if (asana == m_asana)
        return;
    m_asana = asana;
    qDeleteAll(m_steps);
    m_steps.clear();
    m_numbers.clear();
    m_marked = 0;
    const PoseFacts* facts = poseFacts(asana);
    const auto number = findAsana(asana);
    if (!facts || !number)
        return;
    const QStringList procedure =
        loadAsanaCatalogue().at(*number - 1).procedure.split(QStringLiteral("\r\n"));
    m_firstEntry = facts->firstEntryStep;
    m_lastEntry = facts->lastEntryStep;
    m_exit = facts->exitStep;
    QList<int> shown;
    for (int step = m_firstEntry; step <= m_lastEntry; ++step)
        shown.append(step);
    shown.append(m_exit);
    for (int step : std::as_const(shown)) {
        auto* label =
            new QLabel(step == m_exit ? QStringLiteral("To come out: ") + procedure.value(step - 1)
                                      : procedure.value(step - 1));
        label->setObjectName(QStringLiteral("lblPoseStep_%1").arg(step));
        label->setTextFormat(Qt::PlainText);
        label->setWordWrap(true);
        label->setMargin(6);
        QFont large = label->font();
        large.setPointSizeF(kStepPoints);
        label->setFont(large);
        followReadingZoom(*label, m_zoom);
        m_column->insertWidget(m_column->count() - 1, label);
        m_steps.append(label);
        m_numbers.append(step);
    }
}

void PoseStepsPanel::mark(Mark step)
{
    const int wanted = step == Mark::GetIn  ? m_firstEntry
                       : step == Mark::Hold ? m_lastEntry
                                            : m_exit;
    if (wanted == m_marked)
        return;
    m_marked = wanted;
    // Marked by colour and a bar, not by weight: the reading zoom owns the font.
    for (qsizetype i = 0; i < m_steps.size(); ++i) {
        QLabel* label = m_steps.at(i);
        const bool marked = m_numbers.at(i) == wanted;
        label->setAccessibleDescription(marked ? QStringLiteral("Now") : QString());
        label->setStyleSheet(marked ? QStringLiteral("background: %1; border-left: 6px solid %2;")
                                          .arg(kMarkedBackground.name(), kMarkedBar.name())
                                    : QStringLiteral("border-left: 6px solid transparent;"));
    }
    keepMarkedInView();
}

bool PoseStepsPanel::eventFilter(QObject* watched, QEvent* event)
{
    // Queued: the steps get their new places only after the filter has seen the resize.
    if (event->type() == QEvent::Resize)
        QMetaObject::invokeMethod(this, &PoseStepsPanel::keepMarkedInView, Qt::QueuedConnection);
    return QWidget::eventFilter(watched, event);
}

void PoseStepsPanel::keepMarkedInView()
{
    const qsizetype i = m_numbers.indexOf(m_marked);
    if (i >= 0)
        m_area->ensureWidgetVisible(m_steps.at(i), 0, 0);
}

} // namespace tarvo::practice
