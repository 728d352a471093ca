#include "practice/JournalWindow.h"

#include "platform/Clock.h"
#include "platform/Desktop.h"
#include "platform/UserText.h"
#include "practice/JournalCsv.h"
#include "practice/NotifyingPracticeStore.h"
#include "practice/PracticeStats.h"
#include "practice/WeeklyMinutesChart.h"

#include <QDir>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QStyledItemDelegate>
#include <QTableWidget>
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

QTableWidgetItem* readOnly(const QString& text)
{
    auto* item = new QTableWidgetItem(text);
    item->setFlags(Qt::ItemIsEnabled | Qt::ItemIsSelectable);
    return item;
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

    m_table = new QTableWidget(0, ColumnCount);
    m_table->setObjectName(QStringLiteral("lstJournal"));
    m_table->setAccessibleName(QStringLiteral("Journal entries"));
    m_table->setHorizontalHeaderLabels({QStringLiteral("Date and time"), QStringLiteral("Practice"),
                                        QStringLiteral("Minutes"), QStringLiteral("Finished"),
                                        QStringLiteral("Note")});
    m_table->verticalHeader()->hide();
    m_table->horizontalHeader()->setAccessibleName(QStringLiteral("Journal columns"));
    m_table->setSelectionBehavior(QAbstractItemView::SelectRows);
    m_table->setSelectionMode(QAbstractItemView::SingleSelection);
    m_table->setEditTriggers(QAbstractItemView::DoubleClicked | QAbstractItemView::EditKeyPressed
                             | QAbstractItemView::AnyKeyPressed);
    m_table->setWordWrap(false);
    // Tab leaves the table as it leaves any other control; the arrows move between the cells.
    m_table->setTabKeyNavigation(false);
    m_table->horizontalHeader()->setSectionResizeMode(Practice, QHeaderView::Stretch);
    m_table->horizontalHeader()->setSectionResizeMode(Note, QHeaderView::Stretch);
    m_table->setToolTip(QStringLiteral("Double-click a note, or press F2, to write in it"));
    m_table->setItemDelegateForColumn(Note, new NoteDelegate(m_table));
    connect(m_table, &QTableWidget::itemChanged, this, &JournalWindow::saveNote);

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

    connect(&m_store, &NotifyingPracticeStore::entriesChanged, this, &JournalWindow::reload);
    connect(&m_store, &NotifyingPracticeStore::noteChanged, this, &JournalWindow::showNote);
    reload();
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
    disconnect(m_table, nullptr, this, nullptr);
}

void JournalWindow::reload()
{
    const QList<JournalEntry> entries = m_store.entries();
    const QDate today = m_context.clock.now().toLocalTime().date();
    m_chart->setWeeks(minutesPerWeek(entries, today));
    m_streak->setText(streakText(currentStreak(entries, today)));

    m_emptyHint->setVisible(entries.isEmpty());
    m_table->setVisible(!entries.isEmpty());

    m_filling = true;
    m_table->setRowCount(int(entries.size()));
    for (int row = 0; row < entries.size(); ++row) {
        const JournalEntry& entry = entries[row];
        QTableWidgetItem* when =
            readOnly(entry.started.toLocalTime().toString(QStringLiteral("ddd d MMM yyyy, HH:mm")));
        when->setData(Qt::UserRole, entry.id);
        m_table->setItem(row, When, when);
        QTableWidgetItem* practice =
            readOnly(entry.summary.isEmpty()
                         ? entry.title
                         : QStringLiteral("%1: %2").arg(isolated(entry.title), entry.summary));
        practice->setToolTip(practice->text());
        m_table->setItem(row, Practice, practice);
        QTableWidgetItem* minutes = readOnly(QString::number(entry.seconds / 60.0, 'f', 1));
        minutes->setTextAlignment(Qt::AlignRight | Qt::AlignVCenter);
        m_table->setItem(row, Minutes, minutes);
        m_table->setItem(
            row, Finished,
            readOnly(entry.completed ? QStringLiteral("Completed") : QStringLiteral("Stopped")));
        m_table->setItem(row, Note, new QTableWidgetItem(entry.note));
    }
    m_table->resizeColumnToContents(When);
    m_table->resizeColumnToContents(Minutes);
    m_table->resizeColumnToContents(Finished);
    m_filling = false;
}

void JournalWindow::showNote(qint64 id, const QString& note)
{
    for (int row = 0; row < m_table->rowCount(); ++row) {
        if (m_table->item(row, When)->data(Qt::UserRole).toLongLong() != id)
            continue;
        if (m_table->item(row, Note)->text() != note) {
            m_filling = true;
            m_table->item(row, Note)->setText(note);
            m_filling = false;
        }
        return;
    }
}

void JournalWindow::saveNote(QTableWidgetItem* item)
{
    if (m_filling || item->column() != Note)
        return;
    const qint64 id = m_table->item(item->row(), When)->data(Qt::UserRole).toLongLong();
    if (m_store.setNote(id, item->text()))
        return;
    const QString why = m_store.error();
    // The note shown is the one kept, so nothing on screen claims to be saved that is not.
    reload();
    m_context.desktop.message(this, MessageIcon::Critical, MessageButtons::Ok, kTitle,
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
        m_context.desktop.message(this, MessageIcon::Critical, MessageButtons::Ok, kTitle,
                                  QStringLiteral("The journal could not be exported to\n%1\n\n%2")
                                      .arg(QDir::toNativeSeparators(path), why));
}

} // namespace tarvo::practice
