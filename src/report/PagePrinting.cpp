#include "report/PagePrinting.h"

#include "platform/AppInfo.h"
#include "platform/Desktop.h"
#include "report/PageRenderer.h"
#include "report/PrintablePage.h"

#include <QDir>
#include <QLocale>
#include <QPageLayout>
#include <QPrinter>
#include <QPrinterInfo>

namespace tarvo {

namespace {

QPageLayout defaultPageLayout()
{
    const QPageSize printerPaper = QPrinterInfo::defaultPrinter().defaultPageSize();
    const QPageSize paper =
        printerPaper.isValid() ? printerPaper : QPageSize(regionalPageSize(QLocale()));
    return QPageLayout(paper, QPageLayout::Portrait, QMarginsF(15, 15, 15, 15),
                       QPageLayout::Millimeter);
}

} // namespace

void printPage(Desktop& desktop, QWidget* parent, const PrintablePage& page)
{
    QPrinter printer(QPrinter::HighResolution);
    printer.setDocName(page.title);
    if (!desktop.setUpPrinter(parent, printer, false))
        return;
    if (!renderPages(page, printer)) {
        warn(desktop, parent, kAppTitle,
             QStringLiteral("\"%1\" could not be printed.").arg(page.title));
    }
}

bool exportPageAsPdf(Desktop& desktop, QWidget* parent, const PrintablePage& page)
{
    const QString path = desktop.saveFileName(
        parent, {QStringLiteral("Export as PDF"), QStringLiteral("PDF documents (*.pdf)"),
                 QStringLiteral("pdf"), pdfFileName(page.title)});
    if (path.isEmpty())
        return false;
    QString reason;
    if (writePdf(page, path, defaultPageLayout(), &reason))
        return true;
    warn(desktop, parent, kAppTitle,
         QStringLiteral("The PDF could not be saved to\n") + QDir::toNativeSeparators(path)
             + QStringLiteral("\n\n") + reason);
    return false;
}

} // namespace tarvo
