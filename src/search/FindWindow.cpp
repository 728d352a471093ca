#include "search/FindWindow.h"

#include "asanas/AsanaCautions.h"
#include "search/SearchResultDelegate.h"
#include "search/SearchResultModel.h"

#include <QAction>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListView>
#include <QToolButton>
#include <QVBoxLayout>

namespace tarvo {

FindWindow::FindWindow(QWidget* parent)
    : QWidget(parent, Qt::Tool)
    , m_box(new QLineEdit)
    , m_count(new QLabel)
    , m_results(new QListView)
    , m_model(new SearchResultModel(this))
{
    setObjectName(QStringLiteral("frmFind"));
    setWindowTitle(QStringLiteral("Find"));

    auto* caption = new QLabel(QStringLiteral("&Look for:"));
    caption->setObjectName(QStringLiteral("lblFind"));
    caption->setBuddy(m_box);
    m_box->setObjectName(QStringLiteral("txtFind"));
    m_box->setAccessibleName(QStringLiteral("Search"));
    m_box->setPlaceholderText(QStringLiteral("An asana, a complaint, a sign, a chakra ..."));
    m_box->setClearButtonEnabled(true);
    // The clear button is a button of its own to a screen reader.
    for (QToolButton* clear : m_box->findChildren<QToolButton*>())
        clear->setAccessibleName(QStringLiteral("Clear the search"));
    m_box->installEventFilter(this);

    m_count->setObjectName(QStringLiteral("lblResultCount"));
    m_count->setTextFormat(Qt::PlainText);

    m_results->setObjectName(QStringLiteral("lstResults"));
    m_results->setAccessibleName(QStringLiteral("Search results"));
    m_results->setModel(m_model);
    m_results->setItemDelegate(new SearchResultDelegate(m_results));
    m_results->setSelectionMode(QAbstractItemView::SingleSelection);
    m_results->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    m_results->setVerticalScrollMode(QAbstractItemView::ScrollPerPixel);
    // Rows wrap at the list's width, so a new width lays them out anew.
    m_results->setResizeMode(QListView::Adjust);
    m_results->setWordWrap(true);
    m_results->installEventFilter(this);

    auto* layout = new QVBoxLayout(this);
    auto* row = new QHBoxLayout;
    row->addWidget(caption);
    row->addWidget(m_box, 1);
    layout->addLayout(row);
    layout->addWidget(m_count);
    layout->addWidget(m_results, 1);

    connect(m_box, &QLineEdit::textChanged, this, &FindWindow::search);
    connect(m_results, &QListView::clicked, this,
            [this](const QModelIndex& index) { chooseRow(index.row()); });
    auto* close = new QAction(this);
    close->setShortcut(QKeySequence(Qt::Key_Escape));
    close->setShortcutContext(Qt::WindowShortcut);
    connect(close, &QAction::triggered, this, &QWidget::close);
    addAction(close);

    resize(440, 520);
}

FindWindow::~FindWindow() = default;

void FindWindow::showSearch()
{
    show();
    raise();
    activateWindow();
    m_box->setFocus(Qt::ShortcutFocusReason);
    m_box->selectAll();
}

void FindWindow::search(const QString& query)
{
    QList<search::SearchHit> hits = m_index.search(query);
    const QList<Condition> conditions = m_conditions ? m_conditions() : QList<Condition>{};
    if (!conditions.isEmpty()) {
        for (search::SearchHit& hit : hits)
            hit.cautions = cautionMarks(cautionsFor(search::libraryAsanaOf(hit), conditions));
    }
    m_model->setHits(std::move(hits));
    updateCount(query);
}

void FindWindow::setConditionSource(std::function<QList<Condition>()> conditions)
{
    m_conditions = std::move(conditions);
}

void FindWindow::updateCount(const QString& query)
{
    const int found = m_model->rowCount();
    if (!m_index.error().isEmpty())
        m_count->setText(QStringLiteral("The texts could not be searched: ") + m_index.error());
    else if (query.trimmed().isEmpty())
        m_count->clear();
    else if (found == 0)
        m_count->setText(QStringLiteral("Nothing found"));
    else
        m_count->setText(found == 1 ? QStringLiteral("1 text found")
                                    : QStringLiteral("%1 texts found").arg(found));
}

void FindWindow::chooseRow(int row)
{
    if (row < 0 || row >= m_model->rowCount())
        return;
    // A copy: opening the page may lead to a new search before the signal returns.
    const search::SearchHit hit = m_model->hit(row);
    emit resultChosen(hit);
}

bool FindWindow::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() != QEvent::KeyPress)
        return QWidget::eventFilter(watched, event);
    const int key = static_cast<QKeyEvent*>(event)->key();
    const bool enter = key == Qt::Key_Return || key == Qt::Key_Enter;
    if (watched == m_box) {
        if ((key == Qt::Key_Down || key == Qt::Key_Up) && m_model->rowCount() > 0) {
            const int row = key == Qt::Key_Down ? 0 : m_model->rowCount() - 1;
            m_results->setCurrentIndex(m_model->index(row));
            m_results->setFocus(Qt::TabFocusReason);
            return true;
        }
        if (enter) {
            const int current = m_results->currentIndex().row();
            chooseRow(current >= 0 ? current : 0);
            return true;
        }
    } else if (watched == m_results) {
        if (enter) {
            chooseRow(m_results->currentIndex().row());
            return true;
        }
        if (key == Qt::Key_Up && m_results->currentIndex().row() <= 0) {
            m_box->setFocus(Qt::TabFocusReason);
            return true;
        }
    }
    return QWidget::eventFilter(watched, event);
}

} // namespace tarvo
