#include "zodiac/ZodiacResultWindow.h"

#include "pictures/Pictures.h"
#include "platform/LinkLabel.h"
#include "platform/ReadingText.h"
#include "shell/HelpMenu.h"
#include "shell/MakerLink.h"
#include "shell/Navigator.h"
#include "shell/ProgramWindow.h"
#include "zodiac/ZodiacAsanaTab.h"
#include "zodiac/ZodiacAsanas.h"
#include "zodiac/ZodiacPages.h"
#include "zodiac/ZodiacReportDialog.h"
#include "zodiac/ZodiacSignTabs.h"
#include "zodiac/ZodiacTexts.h"

#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QMenuBar>
#include <QPushButton>
#include <QTabWidget>
#include <QVBoxLayout>

namespace tarvo {

ZodiacResultWindow::ZodiacResultWindow(const AppContext& context, QWidget* inputWindow,
                                       QWidget* parent)
    : ProgramWindow(context, parent)
    , m_inputWindow(inputWindow)
{
    setObjectName(QStringLiteral("frmZodiacYogaDisplay"));
    setWindowTitle(kZodiacCaption);
    auto* layout = new QVBoxLayout(this);
    buildMenus();

    m_tabs = new QTabWidget;
    m_tabs->setObjectName(QStringLiteral("SSTab1"));
    m_tabs->setAccessibleName(QStringLiteral("Zodiac reading"));
    LinkLabel* colourCaption = nullptr;
    m_tabs->addTab(buildCharacteristicsTab(m_bindings, &m_signPicture, &colourCaption),
                   QStringLiteral("&Sun Sign Characteristics"));
    m_healthTabs = buildHealthTabs(m_bindings);
    m_tabs->addTab(m_healthTabs, QStringLiteral("Health &Ailments"));
    m_asanaTab = new ZodiacAsanaTab;
    connect(m_asanaTab, &ZodiacAsanaTab::practiseRequested, this,
            [this](const QString& title, const QStringList& names) {
                if (m_context.navigator)
                    m_context.navigator->practise(title, names);
            });
    m_tabs->addTab(m_asanaTab, QStringLiteral("&Yoga Asanas"));
    m_tabs->setCurrentIndex(0);
    m_healthTabs->setCurrentIndex(0);
    layout->addWidget(m_tabs, 1);
    layout->addWidget(buildFoot());
    followReadingZoomInside(*m_tabs, m_context.readingZoom);

    // The "Lucky Color" caption doubles as a way to the co-branding page.
    Desktop& desktop = m_context.desktop;
    connect(colourCaption, &LinkLabel::clicked, this,
            [&desktop] { openMakerPage(desktop, MakerPage::CoBrand); });
}

QSize ZodiacResultWindow::sizeHint() const
{
    // Room for the diet tab and an asana page without scrolling; the work area may cut it down,
    // and the pages scroll then.
    return QSize(1180, 860);
}

std::optional<PrintablePage> ZodiacResultWindow::printablePage() const
{
    const SunSign sign = m_reading.sunSign;
    if (m_tabs->currentWidget() == m_asanaTab) {
        if (const std::optional<int> index = m_asanaTab->openedAsana()) {
            const QString name = zodiacAsanaName(*index);
            return PrintablePage{name, zodiacAsanaPageReport(*index),
                                 PagePicture{QSizeF(250, 250), PicturePlacement::Beside,
                                             [name](QPainter& painter, const QRectF& area) {
                                                 pictures::paintAsanaPicture(painter, name, area);
                                             }}};
        }
        return PrintablePage{zodiacPageTitle(ZodiacPage::Asanas, sign),
                             zodiacPageReport(ZodiacPage::Asanas, fields(), sign), std::nullopt};
    }
    if (m_tabs->currentWidget() == m_healthTabs) {
        const ZodiacPage page =
            m_healthTabs->currentIndex() == 0 ? ZodiacPage::Diet : ZodiacPage::Fitness;
        return PrintablePage{zodiacPageTitle(page, sign), zodiacPageReport(page, fields(), sign),
                             std::nullopt};
    }
    const int picture = signIndex(sign);
    return PrintablePage{zodiacPageTitle(ZodiacPage::Characteristics, sign),
                         zodiacPageReport(ZodiacPage::Characteristics, fields(), sign),
                         PagePicture{QSizeF(m_signPicture->size()), PicturePlacement::Beside,
                                     [picture](QPainter& painter, const QRectF& area) {
                                         pictures::paintSignPicture(painter, picture, area);
                                     }}};
}

void ZodiacResultWindow::buildMenus()
{
    auto* bar = new QMenuBar(this);
    const auto item = [this](QMenu* menu, const QString& name, const QString& text, auto slot) {
        QAction* action = menu->addAction(text);
        action->setObjectName(name);
        connect(action, &QAction::triggered, this, slot);
    };
    QMenu* file = bar->addMenu(QStringLiteral("&File"));
    file->setObjectName(QStringLiteral("mnuFile"));
    item(file, QStringLiteral("mnuPrint"), QStringLiteral("&Print"), [this] { openReport(); });
    item(file, QStringLiteral("mnuFileBack"), QStringLiteral("&Back To Main Page"),
         [this] { backToInput(); });
    item(file, QStringLiteral("mnuExit"), QStringLiteral("E&xit"),
         [this] { closeProgramWindow(this); });
    addHelpMenu(*bar, m_context,
                {.update = QStringLiteral("&Check for Software Update"),
                 .firstSeparator = QStringLiteral("mnuFileSep1"),
                 .secondSeparator = QStringLiteral("mnuFileSep2")});
    layout()->setMenuBar(bar);
}

QWidget* ZodiacResultWindow::buildFoot()
{
    auto* foot = new QGroupBox;
    foot->setObjectName(QStringLiteral("Frame2"));
    auto* row = new QHBoxLayout(foot);
    const auto promo = [&](const QString& name, const QString& text, MakerPage page) {
        LinkLabel* link = makerLink(m_context.desktop, name, text, page);
        link->setWordWrap(true);
        row->addWidget(link, 1);
    };
    promo(QStringLiteral("Label61"),
          QStringLiteral("More free yoga programs at the Tarvo Yoga web site"),
          MakerPage::HomePage);
    promo(QStringLiteral("lblCobrand"), QStringLiteral("Co-branded edition"), MakerPage::CoBrand);
    promo(QStringLiteral("lblFullBrand"), QStringLiteral("Fully branded edition"),
          MakerPage::FullyBranded);
    const auto button = [&](const QString& name, const QString& text, auto slot) {
        auto* b = new QPushButton(text);
        b->setObjectName(name);
        connect(b, &QPushButton::clicked, this, slot);
        row->addWidget(b);
    };
    button(QStringLiteral("cmdPrint"), QStringLiteral("&Print"), [this] { openReport(); });
    button(QStringLiteral("cmdBack"), QStringLiteral("&Back To Main Page"),
           [this] { backToInput(); });
    button(QStringLiteral("cmdExit"), QStringLiteral("&Exit"),
           [this] { closeProgramWindow(this); });
    return foot;
}

void ZodiacResultWindow::showReading(const ZodiacReading& reading,
                                     const ZodiacDisplayFields& fields)
{
    m_reading = reading;
    for (const FieldBinding& binding : m_bindings)
        setFieldText(binding.widget, fields.*(binding.member));
    m_signPicture->setPixmap(QPixmap::fromImage(pictures::signPicture(
        signIndex(reading.sunSign), m_signPicture->size(), m_signPicture->devicePixelRatioF())));
    m_signPicture->setAccessibleDescription(
        pictures::signPictureDescription(signIndex(reading.sunSign)));
    m_asanaTab->showSignPanel(reading.sunSign);
}

ZodiacDisplayFields ZodiacResultWindow::fields() const
{
    ZodiacDisplayFields shown;
    for (const FieldBinding& binding : m_bindings)
        shown.*(binding.member) = fieldText(binding.widget);
    return shown;
}

void ZodiacResultWindow::showPage(ZodiacPage page)
{
    switch (page) {
    case ZodiacPage::Characteristics:
        m_tabs->setCurrentIndex(0);
        break;
    case ZodiacPage::Diet:
    case ZodiacPage::Fitness:
        m_tabs->setCurrentIndex(1);
        m_healthTabs->setCurrentIndex(page == ZodiacPage::Diet ? 0 : 1);
        break;
    case ZodiacPage::Asanas:
        m_tabs->setCurrentIndex(2);
        break;
    }
}

void ZodiacResultWindow::openReport()
{
    ZodiacReportDialog report(m_context, m_reading, fields(), this);
    report.exec();
}

void ZodiacResultWindow::backToInput()
{
    QPointer<QWidget> input = m_inputWindow;
    const AppContext context = m_context;
    closeProgramWindow(this);
    if (input)
        setProgramWindowVisible(input, true);
    setWelcomePanelVisible(context, false);
}

} // namespace tarvo
