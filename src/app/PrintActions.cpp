#include "app/PrintActions.h"

#include "report/PagePrinting.h"
#include "report/PrintableView.h"

#include <QAction>
#include <QApplication>
#include <QMenu>

namespace tarvo {

namespace {

const PrintableView* printableAncestor(QWidget* widget, const QWidget* window)
{
    for (; widget && widget != window; widget = widget->parentWidget()) {
        if (const auto* view = dynamic_cast<const PrintableView*>(widget))
            return view;
    }
    return nullptr;
}

} // namespace

PrintActions::PrintActions(Desktop& desktop, std::function<QWidget*()> activeChild, QWidget* window)
    : QObject(window)
    , m_desktop(desktop)
    , m_activeChild(std::move(activeChild))
    , m_window(window)
    , m_print(new QAction(QStringLiteral("&Print…"), this))
    , m_exportPdf(new QAction(QStringLiteral("Export as P&DF…"), this))
{
    m_print->setObjectName(QStringLiteral("mnuPrint"));
    m_print->setShortcut(QKeySequence::Print);
    m_exportPdf->setObjectName(QStringLiteral("mnuExportPdf"));
    connect(m_print, &QAction::triggered, this, &PrintActions::print);
    connect(m_exportPdf, &QAction::triggered, this, &PrintActions::exportPdf);
    // The shortcut must be live exactly when the view in front can print.
    connect(qApp, &QApplication::focusChanged, this, &PrintActions::updateEnabled);
    updateEnabled();
}

void PrintActions::insertInto(QMenu& menu, QAction* before)
{
    menu.insertAction(before, m_print);
    menu.insertAction(before, m_exportPdf);
    menu.insertSeparator(before)->setObjectName(QStringLiteral("mnuFileSep1"));
    connect(&menu, &QMenu::aboutToShow, this, &PrintActions::updateEnabled);
}

std::optional<PrintablePage> PrintActions::frontPage() const
{
    const PrintableView* view = printableAncestor(QApplication::focusWidget(), m_window);
    if (!view)
        view = printableAncestor(m_activeChild(), m_window);
    return view ? view->printablePage() : std::nullopt;
}

void PrintActions::updateEnabled()
{
    const bool printable = frontPage().has_value();
    m_print->setEnabled(printable);
    m_exportPdf->setEnabled(printable);
}

void PrintActions::print()
{
    if (const std::optional<PrintablePage> page = frontPage())
        printPage(m_desktop, m_window, *page);
}

void PrintActions::exportPdf()
{
    if (const std::optional<PrintablePage> page = frontPage())
        exportPageAsPdf(m_desktop, m_window, *page);
}

} // namespace tarvo
