#include "practice/sessions/SessionBuilderWindow.h"

#include "asanas/AsanaCatalogue.h"
#include "asanas/AsanaLists.h"
#include "asanas/AsanaTables.h"
#include "platform/Desktop.h"
#include "platform/UserText.h"
#include "practice/PracticeStore.h"
#include "practice/sessions/ReadyMadeSession.h"
#include "practice/sessions/SessionCautionsWindow.h"
#include "practice/sessions/SessionPlayer.h"
#include "practice/sessions/SessionsWindow.h"
#include "search/SearchIndex.h"
#include "shell/ProgramWindow.h"
#include "shell/WorkArea.h"

#include <QCheckBox>
#include <QCloseEvent>
#include <QComboBox>
#include <QFormLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QSpinBox>
#include <QVBoxLayout>

namespace tarvo::practice {

namespace {

enum Lookup { ByName, ByBodyPart, ByApplication, BySearch };

// In the order of HoldUnit.
const QStringList kUnitNames = {QStringLiteral("breaths"), QStringLiteral("seconds"),
                                QStringLiteral("times")};

QString stepText(const SessionStep& step)
{
    return QStringLiteral("%1 \u2013 %2%3")
        .arg(step.asana, holdText(step.hold, step.unit),
             step.bothSides ? QStringLiteral(", each side") : QString());
}

QPushButton* pushButton(const QString& name, const QString& caption, const QString& accessible)
{
    auto* button = new QPushButton(caption);
    button->setObjectName(name);
    button->setAccessibleName(accessible);
    return button;
}

QStringList namesOf(const QList<int>& numbers)
{
    QStringList names;
    for (int number : numbers)
        names.append(loadAsanaCatalogue().value(number - 1).name);
    return names;
}

} // namespace

SessionBuilderWindow::SessionBuilderWindow(const AppContext& context, PracticeStore& store,
                                           const Session& session, QWidget* parent)
    : QWidget(parent)
    , m_context(context)
    , m_store(store)
    , m_savedName(session.name)
    , m_saved{session.name.trimmed(), session.steps}
{
    setObjectName(QStringLiteral("frmSessionBuilder"));
    setWindowTitle(QStringLiteral("Session Builder"));

    auto* nameRow = new QHBoxLayout;
    auto* nameLabel = new QLabel(QStringLiteral("Session &name:"));
    m_name = new QLineEdit(session.name);
    m_name->setObjectName(QStringLiteral("txtSessionName"));
    m_name->setAccessibleName(QStringLiteral("Session name"));
    m_name->setMaxLength(80);
    nameLabel->setBuddy(m_name);
    nameRow->addWidget(nameLabel);
    nameRow->addWidget(m_name, 1);

    auto* columns = new QHBoxLayout;
    columns->addWidget(buildLibrary(), 1);
    columns->addWidget(buildSteps(), 1);

    auto* buttons = new QHBoxLayout;
    buttons->addStretch(1);
    QPushButton* saveButton =
        pushButton(QStringLiteral("cmdSave"), QStringLiteral("&Save"), QStringLiteral("Save"));
    connect(saveButton, &QPushButton::clicked, this, &SessionBuilderWindow::save);
    QPushButton* startButton = pushButton(QStringLiteral("cmdStart"), QStringLiteral("S&tart"),
                                          QStringLiteral("Start the session"));
    connect(startButton, &QPushButton::clicked, this, &SessionBuilderWindow::start);
    QPushButton* closeButton =
        pushButton(QStringLiteral("cmdClose"), QStringLiteral("&Close"), QStringLiteral("Close"));
    connect(closeButton, &QPushButton::clicked, this, [this] { closeProgramWindow(this); });
    for (QPushButton* button : {saveButton, startButton, closeButton})
        buttons->addWidget(button);

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(nameRow);
    layout->addLayout(columns, 1);
    layout->addLayout(buttons);

    setMinimumSize(760, 460);
    for (const SessionStep& step : session.steps)
        addStep(step);
    showCandidates();
    showHold();
}

SessionBuilderWindow::~SessionBuilderWindow() = default;

QWidget* SessionBuilderWindow::buildLibrary()
{
    auto* box = new QGroupBox(QStringLiteral("Asanas of the library"));
    box->setObjectName(QStringLiteral("fraLibrary"));
    m_lookup = new QComboBox;
    m_lookup->setObjectName(QStringLiteral("cboLookup"));
    m_lookup->setAccessibleName(QStringLiteral("Look up by"));
    m_lookup->addItems({QStringLiteral("By name"), QStringLiteral("By body part"),
                        QStringLiteral("By therapeutic application"), QStringLiteral("By search")});
    m_lookupValue = new QComboBox;
    m_lookupValue->setObjectName(QStringLiteral("cboLookupValue"));
    m_lookupValue->setAccessibleName(QStringLiteral("Body part or application"));
    m_lookupValue->setMaxVisibleItems(16);
    m_query = new QLineEdit;
    m_query->setObjectName(QStringLiteral("txtSearch"));
    m_query->setAccessibleName(QStringLiteral("Search the teaching texts"));
    m_query->setPlaceholderText(QStringLiteral("Words to find, e.g. back pain"));
    m_candidates = new QListWidget;
    m_candidates->setObjectName(QStringLiteral("lstLibrary"));
    m_candidates->setAccessibleName(QStringLiteral("Asanas to add"));
    m_candidates->setSelectionMode(QAbstractItemView::ExtendedSelection);
    QPushButton* add = pushButton(QStringLiteral("cmdAdd"), QStringLiteral("&Add \u2192"),
                                  QStringLiteral("Add to the session"));

    connect(m_lookup, &QComboBox::currentIndexChanged, this, [this](int kind) {
        const QSignalBlocker quiet(m_lookupValue);
        m_lookupValue->clear();
        if (kind == ByBodyPart)
            m_lookupValue->addItems(bodyParts());
        else if (kind == ByApplication)
            m_lookupValue->addItems(therapeuticApplications());
        m_lookupValue->setVisible(kind == ByBodyPart || kind == ByApplication);
        m_query->setVisible(kind == BySearch);
        showCandidates();
    });
    connect(m_lookupValue, &QComboBox::currentIndexChanged, this,
            &SessionBuilderWindow::showCandidates);
    connect(m_query, &QLineEdit::textChanged, this, &SessionBuilderWindow::showCandidates);
    connect(m_candidates, &QListWidget::itemDoubleClicked, this,
            &SessionBuilderWindow::addSelected);
    connect(add, &QPushButton::clicked, this, &SessionBuilderWindow::addSelected);
    m_lookupValue->hide();
    m_query->hide();

    auto* layout = new QVBoxLayout(box);
    layout->addWidget(m_lookup);
    layout->addWidget(m_lookupValue);
    layout->addWidget(m_query);
    layout->addWidget(m_candidates, 1);
    layout->addWidget(add, 0, Qt::AlignRight);
    return box;
}

QWidget* SessionBuilderWindow::buildSteps()
{
    auto* box = new QGroupBox(QStringLiteral("The session, in order"));
    box->setObjectName(QStringLiteral("fraSteps"));
    m_stepList = new QListWidget;
    m_stepList->setObjectName(QStringLiteral("lstSteps"));
    m_stepList->setAccessibleName(QStringLiteral("Poses of the session"));
    m_stepList->setDragDropMode(QAbstractItemView::InternalMove);
    m_stepList->setDefaultDropAction(Qt::MoveAction);
    // A drag reorders the items; the steps follow them.
    connect(m_stepList->model(), &QAbstractItemModel::rowsMoved, this, [this] {
        QList<SessionStep> reordered;
        for (int row = 0; row < m_stepList->count(); ++row)
            reordered.append(m_steps.at(m_stepList->item(row)->data(Qt::UserRole).toInt()));
        m_steps = reordered;
        for (int row = 0; row < m_stepList->count(); ++row)
            m_stepList->item(row)->setData(Qt::UserRole, row);
    });
    connect(m_stepList, &QListWidget::currentRowChanged, this, &SessionBuilderWindow::showHold);

    QPushButton* up = pushButton(QStringLiteral("cmdMoveUp"), QStringLiteral("Move &Up"),
                                 QStringLiteral("Move up"));
    connect(up, &QPushButton::clicked, this, [this] { moveSelected(-1); });
    QPushButton* down = pushButton(QStringLiteral("cmdMoveDown"), QStringLiteral("Move &Down"),
                                   QStringLiteral("Move down"));
    connect(down, &QPushButton::clicked, this, [this] { moveSelected(1); });
    QPushButton* remove = pushButton(QStringLiteral("cmdRemove"), QStringLiteral("&Remove"),
                                     QStringLiteral("Remove from the session"));
    connect(remove, &QPushButton::clicked, this, &SessionBuilderWindow::removeSelected);
    auto* moves = new QHBoxLayout;
    moves->addWidget(up);
    moves->addWidget(down);
    moves->addWidget(remove);
    moves->addStretch(1);

    m_hold = new QSpinBox;
    m_hold->setObjectName(QStringLiteral("spnHold"));
    m_hold->setAccessibleName(QStringLiteral("Hold"));
    m_hold->setRange(1, 600);
    m_unit = new QComboBox;
    m_unit->setObjectName(QStringLiteral("cboUnit"));
    m_unit->setAccessibleName(QStringLiteral("Hold counted in"));
    m_unit->addItems(kUnitNames);
    m_bothSides = new QCheckBox(QStringLiteral("&Both sides, right then left"));
    m_bothSides->setObjectName(QStringLiteral("chkBothSides"));
    m_bothSides->setAccessibleName(QStringLiteral("Both sides"));
    connect(m_hold, &QSpinBox::valueChanged, this, &SessionBuilderWindow::storeHold);
    connect(m_unit, &QComboBox::currentIndexChanged, this, &SessionBuilderWindow::storeHold);
    connect(m_bothSides, &QCheckBox::toggled, this, &SessionBuilderWindow::storeHold);
    auto* holdRow = new QHBoxLayout;
    auto* holdLabel = new QLabel(QStringLiteral("&Hold:"));
    holdLabel->setBuddy(m_hold);
    holdRow->addWidget(holdLabel);
    holdRow->addWidget(m_hold);
    holdRow->addWidget(m_unit);
    holdRow->addWidget(m_bothSides);
    holdRow->addStretch(1);

    auto* layout = new QVBoxLayout(box);
    layout->addWidget(m_stepList, 1);
    layout->addLayout(moves);
    layout->addLayout(holdRow);
    return box;
}

void SessionBuilderWindow::showCandidates()
{
    QStringList names;
    switch (m_lookup->currentIndex()) {
    case ByName:
        names = asanaNames();
        break;
    case ByBodyPart:
        names = namesOf(asanasForBodyPart(m_lookupValue->currentText()));
        break;
    case ByApplication:
        names = namesOf(asanasForApplication(m_lookupValue->currentText()));
        break;
    case BySearch:
        if (m_query->text().trimmed().isEmpty())
            break;
        if (!m_search)
            m_search = std::make_unique<search::SearchIndex>();
        for (const search::SearchHit& hit : m_search->search(m_query->text())) {
            // Every asana a hit stands for, under its library name.
            const QString name = search::libraryAsanaOf(hit);
            if (!name.isEmpty() && !names.contains(name))
                names.append(name);
        }
        break;
    }
    m_candidates->clear();
    m_candidates->addItems(names);
}

void SessionBuilderWindow::addStep(const SessionStep& step)
{
    m_steps.append(step);
    auto* item = new QListWidgetItem(stepText(step), m_stepList);
    item->setData(Qt::UserRole, int(m_steps.size() - 1));
}

void SessionBuilderWindow::addSelected()
{
    const QList<QListWidgetItem*> chosen = m_candidates->selectedItems();
    for (const QListWidgetItem* item : chosen)
        addStep(beginnerStep(item->text()));
    if (!chosen.isEmpty())
        m_stepList->setCurrentRow(m_stepList->count() - 1);
}

void SessionBuilderWindow::moveSelected(int by)
{
    const int row = m_stepList->currentRow();
    const int to = row + by;
    if (row < 0 || to < 0 || to >= m_stepList->count())
        return;
    m_steps.swapItemsAt(row, to);
    m_stepList->item(row)->setText(stepText(m_steps.at(row)));
    m_stepList->item(to)->setText(stepText(m_steps.at(to)));
    m_stepList->setCurrentRow(to);
}

void SessionBuilderWindow::removeSelected()
{
    const int row = m_stepList->currentRow();
    if (row < 0)
        return;
    m_steps.removeAt(row);
    delete m_stepList->takeItem(row);
    for (int i = 0; i < m_stepList->count(); ++i)
        m_stepList->item(i)->setData(Qt::UserRole, i);
    showHold();
}

void SessionBuilderWindow::showHold()
{
    const int row = m_stepList->currentRow();
    const bool any = row >= 0;
    for (QWidget* w : {static_cast<QWidget*>(m_hold), static_cast<QWidget*>(m_unit),
                       static_cast<QWidget*>(m_bothSides)})
        w->setEnabled(any);
    if (!any)
        return;
    const SessionStep& step = m_steps.at(row);
    const QSignalBlocker quietHold(m_hold);
    const QSignalBlocker quietUnit(m_unit);
    const QSignalBlocker quietSides(m_bothSides);
    m_hold->setValue(step.hold);
    m_unit->setCurrentIndex(int(step.unit));
    m_bothSides->setChecked(step.bothSides);
}

void SessionBuilderWindow::storeHold()
{
    const int row = m_stepList->currentRow();
    if (row < 0)
        return;
    SessionStep& step = m_steps[row];
    step.hold = m_hold->value();
    step.unit = static_cast<HoldUnit>(std::max(0, m_unit->currentIndex()));
    step.bothSides = m_bothSides->isChecked();
    m_stepList->item(row)->setText(stepText(step));
}

Session SessionBuilderWindow::session() const
{
    return {m_name->text().trimmed(), m_steps};
}

bool SessionBuilderWindow::save()
{
    const Session current = session();
    auto tell = [this](const QString& text) {
        inform(m_context.desktop, this, windowTitle(), text);
        return false;
    };
    if (current.name.isEmpty())
        return tell(QStringLiteral("Give the session a name before saving it."));
    if (current.steps.isEmpty())
        return tell(QStringLiteral("Add at least one asana before saving the session."));
    // Saving under a name another session has would replace that one.
    const bool other = current.name.compare(m_savedName, Qt::CaseInsensitive) != 0;
    if (other && m_store.session(current.name)
        && !ask(m_context.desktop, this, windowTitle(),
                QStringLiteral("There is already a session \"%1\". Replace it?")
                    .arg(isolated(current.name))))
        return false;
    if (!m_store.saveSession(current)) {
        warn(m_context.desktop, this, windowTitle(),
             QStringLiteral("The session could not be saved.\n\n%1").arg(m_store.error()));
        return false;
    }
    m_savedName = current.name;
    m_saved = current;
    if (auto* list = m_context.area ? m_context.area->find<SessionsWindow>() : nullptr)
        list->refresh(current.name);
    return true;
}

void SessionBuilderWindow::closeEvent(QCloseEvent* event)
{
    const Session current = session();
    if (current != m_saved && !current.steps.isEmpty()
        && ask(m_context.desktop, this, windowTitle(),
               QStringLiteral("Save the session before closing it?"))
        && !save()) {
        event->ignore();
        return;
    }
    QWidget::closeEvent(event);
}

void SessionBuilderWindow::start()
{
    if (m_steps.isEmpty()) {
        inform(m_context.desktop, this, windowTitle(),
               QStringLiteral("Add at least one asana to practise."));
        return;
    }
    Session current = session();
    if (current.name.isEmpty())
        current.name = QStringLiteral("Session");
    startSession(m_context, m_store, current);
}

} // namespace tarvo::practice
