#include "zodiac/ZodiacReportDialog.h"

#include "platform/AppInfo.h"
#include "platform/Desktop.h"
#include "platform/LinkLabel.h"
#include "platform/ReadingText.h"
#include "report/PagePrinting.h"
#include "report/PrintablePage.h"
#include "report/RichTextBox.h"
#include "shell/HelpMenu.h"
#include "shell/MakerLink.h"
#include "shell/ProgramWindow.h"
#include "shell/WorkArea.h"
#include "zodiac/NameFilter.h"
#include "zodiac/ZodiacRecordFile.h"
#include "zodiac/ZodiacTexts.h"

#include <QDir>
#include <QGridLayout>
#include <QPushButton>

namespace tarvo {

ZodiacReportDialog::ZodiacReportDialog(const AppContext& context, const ZodiacReading& reading,
                                       const ZodiacDisplayFields& fields, QWidget* parent)
    : QDialog(parent)
    , m_context(context)
    , m_reading(reading)
    , m_text(new RichTextBox(context.desktop, this))
{
    setObjectName(QStringLiteral("frmZodiacYogaSave"));
    setWindowTitle(kZodiacCaption);
    setModal(true);
    m_text->setObjectName(QStringLiteral("RTB"));
    m_text->setAccessibleName(QStringLiteral("Zodiac Yoga report"));
    QPalette white = m_text->palette();
    white.setColor(QPalette::Base, Qt::white);
    white.setColor(QPalette::Text, Qt::black);
    m_text->setPalette(white);
    followReadingZoom(*m_text, context.readingZoom);
    m_text->enableLinkDetection();
    m_text->setReport(buildZodiacReport(reading, fields));

    auto* grid = new QGridLayout(this);
    grid->addWidget(m_text, 0, 0, 1, 5);
    const auto promo = [&](const QString& name, const QString& text, MakerPage page, int row,
                           int column) {
        grid->addWidget(makerLink(m_context.desktop, name, text, page), row, column);
    };
    // Built row by row, the order Tab takes them in.
    promo(QStringLiteral("Label1"), QStringLiteral("Tarvo Yoga"), MakerPage::HomePage, 1, 0);
    promo(QStringLiteral("lblCobrand"), QStringLiteral("Co-branded edition"), MakerPage::CoBrand, 1,
          1);
    promo(QStringLiteral("Label14"), QStringLiteral("More free yoga programs online"),
          MakerPage::HomePage, 2, 0);
    promo(QStringLiteral("lblFullBrand"), QStringLiteral("Fully branded edition"),
          MakerPage::FullyBranded, 2, 1);
    auto* save = new QPushButton(QStringLiteral("&Save"));
    save->setObjectName(QStringLiteral("cmdSave"));
    connect(save, &QPushButton::clicked, this, [this] { saveReading(); });
    auto* print = new QPushButton(QStringLiteral("&Print"));
    print->setObjectName(QStringLiteral("cmdPrint"));
    connect(print, &QPushButton::clicked, this, [this] { printReport(); });
    auto* pdf = new QPushButton(QStringLiteral("Export as P&DF"));
    pdf->setObjectName(QStringLiteral("cmdExportPdf"));
    connect(pdf, &QPushButton::clicked, this, [this] { exportPdf(); });
    grid->addWidget(save, 1, 2, 2, 1);
    grid->addWidget(print, 1, 3, 2, 1);
    grid->addWidget(pdf, 1, 4, 2, 1);
    grid->setColumnStretch(0, 1);
    grid->setColumnStretch(1, 1);
    grid->setRowStretch(0, 1);

    // However the window closes, link detection goes off.
    connect(this, &QDialog::finished, this, [this] { stopLinkDetection(); });
    resize(820, 560);
}

ZodiacReportDialog::~ZodiacReportDialog()
{
    stopLinkDetection();
}

void ZodiacReportDialog::stopLinkDetection()
{
    m_text->disableLinkDetection();
}

void ZodiacReportDialog::showEvent(QShowEvent* event)
{
    QDialog::showEvent(event);
    if (m_placed)
        return;
    m_placed = true;
    // Over the work area, so the main window's menu and banner stay in sight, and large enough
    // to read the report without scrolling sideways.
    if (!m_context.area)
        return;
    const QRect area = m_context.area->globalArea();
    const QSize frame = frameGeometry().size() - size();
    const QSize room = area.size() - frame;
    resize(QSize(area.width() * 4 / 5, area.height() * 4 / 5).expandedTo(size()).boundedTo(room));
    QRect placed(QPoint(), frameGeometry().size());
    placed.moveCenter(area.center());
    move(placed.topLeft());
}

void ZodiacReportDialog::saveReading()
{
    if (m_reading.name.trimmed().isEmpty()) {
        inform(m_context.desktop, this, kAppTitle, kNamelessReadingMessage);
        return;
    }
    if (const QString rejected = nameRejection(m_reading.name); !rejected.isEmpty()) {
        inform(m_context.desktop, this, kAppTitle, rejected);
        return;
    }
    const QString path = m_context.desktop.saveFileName(
        this, {QStringLiteral("Tarvo Free Zodiac Yoga"),
               QStringLiteral("Tarvo Free Zodiac Yoga (*.zoy)"), QStringLiteral("zoy")});
    if (path.isEmpty())
        return;
    QString reason;
    if (!writeZodiacRecord(path, m_reading, &reason)) {
        warn(m_context.desktop, this, kAppTitle,
             QStringLiteral("The reading could not be saved to\n") + QDir::toNativeSeparators(path)
                 + QStringLiteral("\n\n") + reason);
    }
}

void ZodiacReportDialog::printReport()
{
    m_text->printReport();
}

void ZodiacReportDialog::exportPdf()
{
    const QString title = m_reading.name.isEmpty()
                              ? QStringLiteral("Zodiac Yoga Report")
                              : QStringLiteral("Zodiac Yoga Report for ") + m_reading.name;
    exportPageAsPdf(m_context.desktop, this, {title, m_text->report(), std::nullopt});
}

} // namespace tarvo
