#include "practice/journal/JournalWindow.h"

#include "platform/Clock.h"
#include "platform/Desktop.h"
#include "platform/UserText.h"
#include "practice/NotifyingPracticeStore.h"
#include "practice/PracticeStats.h"
#include "practice/journal/JournalCsv.h"
#include "practice/journal/JournalModel.h"
#include "practice/journal/WeeklyMinutesChart.h"

#include <QDir>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QStyledItemDelegate>
#include <QTableView>
#include <QVBoxLayout>
#include <limits>

namespace tarvo::practice {

namespace {

const QString kTitle = QStringLiteral("Practice Journal");

QString streakText(int days)
{
    if (days == 0)
        return QStringLiteral("Current streak: none yet. Practise today to start one.");
    return days == 1 ? QStringLiteral("Current streak: 1 day")
                     : QStringLiteral("Current streak: %1 days").arg(days);
}

// Qt's line editor holds 32,767 characters unless told otherwise, and would cut a longer note
// without a word.
class NoteDelegate final : public QStyledItemDelegate {
public:
    using QStyledItemDelegate::QStyledItemDelegate;

    QWidget* createEditor(QWidget* parent, const QStyleOptionViewItem& option,
                          const QModelIndex& index) const override
    {
        QWidget* editor = QStyledItemDelegate::createEditor(parent, option, index);
        if (auto* line = qobject_cast<QLineEdit*>(editor))
            line->setMaxLength(std::numeric_limits<int>::max());
        return editor;
    }
};

} // namespace

JournalWindow::JournalWindow(NotifyingPracticeStore& store, const AppContext& context,
                             QWidget* parent)
    : QWidget(parent)
    , m_store(store)
    , m_context(context)
{
    setObjectName(QStringLiteral("frmJournal"));
    setWindowTitle(kTitle);

    m_chart = new WeeklyMinutesChart;
    m_streak = new QLabel;
    m_streak->setObjectName(QStringLiteral("lblStreak"));

    m_model = new JournalModel(m_store, this);
    connect(m_model, &JournalModel::noteRefused, this, &JournalWindow::noteRefused);
    m_table = new QTableView;
    m_table->setObjectName(QStringLiteral("lstJournal"));
    m_table->setAccessibleName(QStringLiteral("Journal entries"));
    m_table->setModel(m_model);
    m_table->verticalHeader()->hide();
    m_table->horizontalHeader()->setAccessibleName(QStringLiteral("Journal columns"));
    m_table->setSelectionBehavior(QAbstractItemView::SelectRows);
    m_table->setSelectionMode(QAbstractItemView::SingleSelection);
    m_table->setEditTriggers(QAbstractItemView::DoubleClicked | QAbstractItemView::EditKeyPressed
                             | QAbstractItemView::AnyKeyPressed);
    m_table->setWordWrap(false);
    // Tab leaves the table as it leaves any other control; the arrows move between the cells.
    m_table->setTabKeyNavigation(false);
    QHeaderView* header = m_table->horizontalHeader();
    header->setSectionResizeMode(JournalModel::When, QHeaderView::ResizeToContents);
    header->setSectionResizeMode(JournalModel::Practice, QHeaderView::Stretch);
    header->setSectionResizeMode(JournalModel::Minutes, QHeaderView::ResizeToContents);
    header->setSectionResizeMode(JournalModel::Finished, QHeaderView::ResizeToContents);
    header->setSectionResizeMode(JournalModel::Note, QHeaderView::Stretch);
    // Contents are measured over the rows in view, not over every row of a long journal.
    header->setResizeContentsPrecision(50);
    m_table->setToolTip(QStringLiteral("Double-click a note, or press F2, to write in it"));
    m_table->setItemDelegateForColumn(JournalModel::Note, new NoteDelegate(m_table));

    auto* exportButton = new QPushButton(QStringLiteral("Export &CSV…"));
    exportButton->setObjectName(QStringLiteral("cmdExportCsv"));
    connect(exportButton, &QPushButton::clicked, this, &JournalWindow::exportCsv);

    auto* foot = new QHBoxLayout;
    foot->addWidget(m_streak, 1);
    foot->addWidget(exportButton);
    // An empty table says nothing of how it fills; until the first practice this does.
    m_emptyHint = new QLabel(QStringLiteral(
        "Nothing is recorded yet.\nEvery session and breathing practice is written here when it "
        "ends, finished or stopped. To begin, choose New Session\u2026 or Breathing Guide\u2026 "
        "in the Practice menu."));
    m_emptyHint->setObjectName(QStringLiteral("lblEmptyJournal"));
    m_emptyHint->setWordWrap(true);
    m_emptyHint->setAlignment(Qt::AlignCenter);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(m_chart);
    layout->addLayout(foot);
    layout->addWidget(m_table, 1);
    layout->addWidget(m_emptyHint, 1);

    connect(&m_store, &NotifyingPracticeStore::entryAdded, this, &JournalWindow::showTotals);
    connect(&m_store, &NotifyingPracticeStore::entriesChanged, this, &JournalWindow::showTotals);
    showTotals();
}

QSize JournalWindow::sizeHint() const
{
    // Room for the practice and note columns beside the dates, not only for the chart.
    return QWidget::sizeHint().expandedTo(QSize(860, 560));
}

JournalWindow::~JournalWindow()
{
    // A note still being typed is saved now, while this window and the store are whole; the
    // editor would otherwise hand it over from inside the table's destruction.
    m_table->setCurrentIndex({});
    disconnect(m_model, nullptr, this, nullptr);
}

void JournalWindow::showTotals()
{
    const QDate today = m_context.clock.now().toLocalTime().date();
    m_chart->setWeeks(m_store.weeklyMinutes(today, 12));
    m_streak->setText(streakText(m_store.streak(today)));
    const bool empty = m_model->entryCount() == 0;
    m_emptyHint->setVisible(empty);
    m_table->setVisible(!empty);
}

void JournalWindow::noteRefused(const QString& why)
{
    warn(m_context.desktop, this, kTitle,
         QStringLiteral("The note could not be saved.\n\n%1").arg(why));
}

void JournalWindow::exportCsv()
{
    const QString path = m_context.desktop.saveFileName(this, {QStringLiteral("Export Journal"),
                                                               QStringLiteral("CSV files (*.csv)"),
                                                               QStringLiteral("csv")});
    if (path.isEmpty())
        return;
    QString why;
    if (!writeJournalCsv(path, m_store.entries(), &why))
        warn(m_context.desktop, this, kTitle,
             QStringLiteral("The journal could not be exported to\n%1\n\n%2")
                 .arg(QDir::toNativeSeparators(path), why));
}

} // namespace tarvo::practice
