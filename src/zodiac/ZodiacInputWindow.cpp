#include "zodiac/ZodiacInputWindow.h"

#include "platform/AppInfo.h"
#include "platform/Desktop.h"
#include "platform/LinkLabel.h"
#include "shell/HelpMenu.h"
#include "shell/MakerLink.h"
#include "shell/ProgramWindow.h"
#include "shell/UpdateReminder.h"
#include "zodiac/NameFilter.h"
#include "zodiac/ZodiacAsanas.h"
#include "zodiac/ZodiacNameBox.h"
#include "zodiac/ZodiacRecordFile.h"
#include "zodiac/ZodiacReport.h"
#include "zodiac/ZodiacResultWindow.h"
#include "zodiac/ZodiacTexts.h"

#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QMenuBar>
#include <QPushButton>
#include <QTimer>
#include <QVBoxLayout>

namespace tarvo {

namespace {

QLabel* wrappedLabel(const QString& name, const QString& text)
{
    auto* label = new QLabel(text);
    label->setObjectName(name);
    label->setWordWrap(true);
    label->setTextFormat(Qt::PlainText);
    return label;
}

QLabel* captionLabel(const QString& name, const QString& text, QWidget* buddy)
{
    auto* label = new QLabel(text);
    label->setObjectName(name);
    label->setBuddy(buddy);
    return label;
}

QComboBox* pickList(const QString& name, const QStringList& entries)
{
    auto* list = new QComboBox;
    list->setObjectName(name);
    list->setEditable(false);
    list->addItems(entries);
    list->setCurrentIndex(0);
    return list;
}

} // namespace

ZodiacInputWindow::ZodiacInputWindow(const AppContext& context, QWidget* parent)
    : ProgramWindow(context, parent)
{
    setObjectName(QStringLiteral("frmZodiacYogaMain"));
    setWindowTitle(kZodiacCaption);

    auto* layout = new QVBoxLayout(this);
    layout->setSpacing(8);
    buildMenus();
    auto* intro = new QGroupBox;
    intro->setObjectName(QStringLiteral("Frame1"));
    auto* introLayout = new QVBoxLayout(intro);
    introLayout->addWidget(wrappedLabel(QStringLiteral("Label3"), zodiacIntroduction()));
    auto* call = wrappedLabel(QStringLiteral("Label4"),
                              QStringLiteral("Just input your name and date of birth and get a "
                                             "Reading Now!"));
    QFont bold = call->font();
    bold.setBold(true);
    call->setFont(bold);
    introLayout->addWidget(call);
    layout->addWidget(intro);
    layout->addWidget(buildNameAndDate());
    layout->addWidget(buildCommands());
    auto* note = wrappedLabel(QStringLiteral("Label8"),
                              QStringLiteral("Please Note: If you are suffering from health "
                                             "ailments, kindly consult your doctor before doing "
                                             "the yoga exercises."));
    layout->addWidget(note);
    layout->addWidget(buildPromotions());
    setFixedWidth(640);
}

void ZodiacInputWindow::buildMenus()
{
    auto* bar = new QMenuBar(this);
    QMenu* file = bar->addMenu(QStringLiteral("&File"));
    file->setObjectName(QStringLiteral("mnuFile"));
    const auto item = [this](QMenu* menu, const QString& name, const QString& text, auto slot) {
        QAction* action = menu->addAction(text);
        action->setObjectName(name);
        connect(action, &QAction::triggered, this, slot);
        return action;
    };
    item(file, QStringLiteral("mnuOpenPreviouslySavedSunSignYoga"),
         QStringLiteral("Open Previously Saved Zodiac Yoga Reading"),
         [this] { openSavedReading(); });
    item(file, QStringLiteral("mnuGetSuitableYogas"),
         QStringLiteral("Get Suitable &Yogas For My Zodiac"), [this] { showReading(); });
    item(file, QStringLiteral("mnuExit"), QStringLiteral("E&xit"),
         [this] { closeProgramWindow(this); });
    addHelpMenu(*bar, m_context,
                {.firstSeparator = QStringLiteral("mnuHelp1"),
                 .secondSeparator = QStringLiteral("mnuHelp2")});
    layout()->setMenuBar(bar);
}

QWidget* ZodiacInputWindow::buildNameAndDate()
{
    auto* frame = new QGroupBox;
    frame->setObjectName(QStringLiteral("Frame2"));
    auto* grid = new QGridLayout(frame);
    m_name = new ZodiacNameBox(m_context.desktop);
    m_name->setObjectName(QStringLiteral("txtName"));
    m_name->setAccessibleName(QStringLiteral("Name"));
    grid->addWidget(captionLabel(QStringLiteral("Label1"), QStringLiteral("&Name"), m_name), 0, 0);
    grid->addWidget(m_name, 0, 1, 1, 6);

    QStringList days;
    for (int day = 1; day <= 31; ++day)
        days.append(QString::number(day));
    QStringList years;
    for (int year = 1900; year <= 2050; ++year)
        years.append(QString::number(year));
    m_day = pickList(QStringLiteral("cboDate"), days);
    m_month = pickList(QStringLiteral("cboMonth"), monthNames());
    m_year = pickList(QStringLiteral("cboYear"), years);
    m_day->setAccessibleName(QStringLiteral("Date"));
    m_month->setAccessibleName(QStringLiteral("Month"));
    m_year->setAccessibleName(QStringLiteral("Year"));

    grid->addWidget(captionLabel(QStringLiteral("Label2"), QStringLiteral("Date Of Birth"), m_day),
                    1, 0);
    grid->addWidget(captionLabel(QStringLiteral("Label5"), QStringLiteral("&Date"), m_day), 1, 1,
                    Qt::AlignRight);
    grid->addWidget(m_day, 1, 2);
    grid->addWidget(captionLabel(QStringLiteral("Label7"), QStringLiteral("&Month"), m_month), 1, 3,
                    Qt::AlignRight);
    grid->addWidget(m_month, 1, 4);
    grid->addWidget(captionLabel(QStringLiteral("Label6"), QStringLiteral("Ye&ar"), m_year), 1, 5,
                    Qt::AlignRight);
    grid->addWidget(m_year, 1, 6);
    grid->setColumnStretch(4, 1);
    return frame;
}

QWidget* ZodiacInputWindow::buildCommands()
{
    auto* frame = new QGroupBox;
    frame->setObjectName(QStringLiteral("Frame3"));
    auto* column = new QVBoxLayout(frame);
    auto* next = new QPushButton(QStringLiteral("Get Suitable &Yogas For My Zodiac"));
    next->setObjectName(QStringLiteral("cmdNext"));
    next->setDefault(true);
    QFont bold = next->font();
    bold.setBold(true);
    next->setFont(bold);
    connect(next, &QPushButton::clicked, this, [this] { showReading(); });
    auto* open =
        new QPushButton(QStringLiteral("Click Here To &Open Previously Saved Zodiac Yoga Reading"));
    open->setObjectName(QStringLiteral("cmdOpen"));
    connect(open, &QPushButton::clicked, this, [this] { openSavedReading(); });
    column->addWidget(next);
    column->addWidget(open);
    return frame;
}

QWidget* ZodiacInputWindow::buildPromotions()
{
    auto* frame = new QWidget;
    frame->setObjectName(QStringLiteral("Frame5"));
    auto* grid = new QGridLayout(frame);
    grid->setContentsMargins(0, 0, 0, 0);
    const auto promo = [&](const QString& name, const QString& text, MakerPage page) {
        LinkLabel* link = makerLink(m_context.desktop, name, text, page);
        link->setWordWrap(true);
        return link;
    };
    grid->addWidget(promo(QStringLiteral("Label61"),
                          QStringLiteral("More free yoga programs at the Tarvo Yoga web site"),
                          MakerPage::HomePage),
                    0, 0, 1, 2);
    grid->addWidget(promo(QStringLiteral("lblCobrand"),
                          QStringLiteral("Put your name beside ours: co-branded edition"),
                          MakerPage::CoBrand),
                    1, 0);
    grid->addWidget(promo(QStringLiteral("lblFullBrand"),
                          QStringLiteral("Your own name and logo: fully branded edition"),
                          MakerPage::FullyBranded),
                    1, 1);
    auto* exit = new QPushButton(QStringLiteral("&Exit"));
    exit->setObjectName(QStringLiteral("cmdExit"));
    connect(exit, &QPushButton::clicked, this, [this] { closeProgramWindow(this); });
    grid->addWidget(exit, 0, 2, 2, 1, Qt::AlignRight | Qt::AlignVCenter);
    grid->setColumnStretch(0, 1);
    grid->setColumnStretch(1, 1);
    return frame;
}

void ZodiacInputWindow::showEvent(QShowEvent* event)
{
    QWidget::showEvent(event);
    if (m_loaded)
        return;
    m_loaded = true;
    // Asked once the window stands placed and painted, not over a half-built one.
    QTimer::singleShot(0, this, [this] { runUpdateReminder(m_context, this); });
}

void ZodiacInputWindow::message(const QString& text)
{
    inform(m_context.desktop, this, kAppTitle, text);
}

bool ZodiacInputWindow::validateInput()
{
    // A name of blanks alone would give a reading, and a record, for nobody.
    if (m_name->text().trimmed().isEmpty()) {
        message(QStringLiteral("Please Enter Your Name"));
        m_name->setFocus();
        return false;
    }
    if (const QString rejected = nameRejection(m_name->text()); !rejected.isEmpty()) {
        message(rejected);
        m_name->setFocus();
        return false;
    }
    const QString rejection = checkBirthDate(m_month->currentIndex(), m_day->currentIndex());
    if (!rejection.isEmpty()) {
        message(rejection);
        return false;
    }
    return true;
}

void ZodiacInputWindow::showReading()
{
    if (!validateInput())
        return;
    m_reading.name = m_name->text().trimmed();
    m_reading.birthYear = qint16(m_year->currentText().toInt());
    m_reading.birthMonth = m_month->currentText();
    m_reading.birthDay = qint16(m_day->currentText().toInt());
    m_reading.sunSign = determineSunSign(m_month->currentIndex(), m_day->currentIndex());
    presentReading();
}

void ZodiacInputWindow::showSignReading(SunSign sign)
{
    m_reading = ZodiacReading{};
    m_reading.sunSign = sign;
    presentReading();
}

void ZodiacInputWindow::presentReading()
{
    const bool fresh = !m_display;
    if (fresh)
        m_display = new ZodiacResultWindow(m_context, this);
    m_display->showReading(m_reading, zodiacDisplayFields(m_reading.sunSign));
    loadZodiacAsanas();
    setProgramWindowVisible(this, false);
    if (fresh)
        openProgramWindow(m_context, m_display);
    else
        setProgramWindowVisible(m_display, true);
    setWelcomePanelVisible(m_context, false);
}

void ZodiacInputWindow::openSavedReading()
{
    const QString path = m_context.desktop.openFileName(
        this, {QStringLiteral("Select the source file"),
               QStringLiteral("Tarvo Free Zodiac Yoga (*.zoy)"), QStringLiteral("zoy")});
    if (path.isEmpty())
        return;
    const std::optional<ZodiacRecordValues> values = readZodiacRecord(path);
    if (!values) {
        warn(m_context.desktop, this, kAppTitle, kCheckTheFileMessage);
        return;
    }
    m_name->setName(values->name);
    const auto select = [](QComboBox* list, const QString& value) {
        const int index = list->findText(value, Qt::MatchExactly | Qt::MatchCaseSensitive);
        if (index >= 0)
            list->setCurrentIndex(index);
    };
    select(m_day, values->day);
    select(m_month, values->month);
    select(m_year, values->year);
    showReading();
}

} // namespace tarvo

namespace tarvo {

ZodiacResultWindow* ZodiacInputWindow::resultWindow() const
{
    return m_display;
}

} // namespace tarvo
