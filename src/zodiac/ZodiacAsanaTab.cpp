#include "zodiac/ZodiacAsanaTab.h"

#include "pictures/Pictures.h"
#include "platform/LinkLabel.h"
#include "zodiac/ZodiacAsanas.h"
#include "zodiac/ZodiacFieldWidgets.h"
#include "zodiac/ZodiacTexts.h"

#include <QApplication>
#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScrollArea>
#include <QVBoxLayout>

namespace tarvo {

namespace {

constexpr QSize kPictureSize(250, 250);

QLabel* paragraph(const QString& name, const QString& text)
{
    auto* label = new QLabel(text);
    label->setObjectName(name);
    label->setTextFormat(Qt::PlainText);
    label->setWordWrap(true);
    label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    return label;
}

} // namespace

ZodiacAsanaTab::ZodiacAsanaTab(QWidget* parent)
    : QWidget(parent)
{
    setObjectName(QStringLiteral("fraSelectYoga"));

    auto* columns = new QHBoxLayout(this);
    columns->addWidget(buildIntroduction(), 2);

    auto* place = new QGridLayout;
    for (int i = 0; i < kSunSignCount; ++i) {
        m_signPanels[std::size_t(i)] = buildSignPanel(static_cast<SunSign>(i));
        place->addWidget(m_signPanels[std::size_t(i)], 0, 0);
        m_signPanels[std::size_t(i)]->hide();
    }
    m_detail = buildDetailPanel();
    place->addWidget(m_detail, 0, 0);
    m_detail->hide();
    m_practise = new QPushButton(QStringLiteral("Practise These No&w"));
    m_practise->setObjectName(QStringLiteral("cmdPractise"));
    m_practise->setAccessibleName(QStringLiteral("Practise these asanas now"));
    connect(m_practise, &QPushButton::clicked, this, [this] {
        QStringList names;
        for (const AsanaRecommendation& asana : recommendedAsanas(m_sign))
            names.append(zodiacAsanaName(asana.index));
        emit practiseRequested(QStringLiteral("Zodiac Yoga: ") + signName(m_sign), names);
    });
    place->addWidget(m_practise, 1, 0, Qt::AlignLeft);
    m_runningOrder = paragraph(QStringLiteral("lblRunningOrder"), runningOrderAdvice());
    place->addWidget(m_runningOrder, 2, 0);
    columns->addLayout(place, 3);
}

QWidget* ZodiacAsanaTab::buildIntroduction()
{
    auto* content = new QWidget;
    auto* layout = new QVBoxLayout(content);
    const QStringList paragraphs = yogaAsanasTabParagraphs();
    const QString names[] = {QStringLiteral("Label33"), QStringLiteral("Label34"),
                             QStringLiteral("Label35"), QStringLiteral("Label36")};
    for (int i = 0; i < 4; ++i)
        layout->addWidget(paragraph(names[i], paragraphs.value(i)));
    auto* hint = paragraph(QStringLiteral("Label37"),
                           QStringLiteral("Click on Asana to know its Procedure and Benefits"));
    QFont bold = hint->font();
    bold.setBold(true);
    hint->setFont(bold);
    QPalette red = hint->palette();
    red.setColor(QPalette::WindowText, QColor(255, 0, 0));
    hint->setPalette(red);
    layout->addWidget(hint);
    layout->addStretch();
    auto* area = new QScrollArea;
    // Paragraphs only: Tab passes on to the asanas beside them.
    area->setFocusPolicy(Qt::NoFocus);
    area->setWidget(content);
    area->setWidgetResizable(true);
    area->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    area->setMinimumWidth(300);
    return area;
}

QGroupBox* ZodiacAsanaTab::buildSignPanel(SunSign sign)
{
    auto* panel = new QGroupBox(QStringLiteral("Recommended Yoga Asanas For ") + signName(sign));
    panel->setObjectName(QStringLiteral("fra") + signName(sign));
    // The list scrolls at a large zoom, so the window never needs more height than the work area.
    auto* list = new QWidget;
    auto* column = new QVBoxLayout(list);
    column->setSpacing(14);
    auto* area = new QScrollArea;
    area->setFocusPolicy(Qt::NoFocus); // it follows the focus of the asanas inside
    area->setWidget(list);
    area->setWidgetResizable(true);
    area->setFrameShape(QFrame::NoFrame);
    auto* panelLayout = new QVBoxLayout(panel);
    panelLayout->setContentsMargins(2, 2, 2, 2);
    panelLayout->addWidget(area);
    QList<LinkLabel*>& labels = m_labels[std::size_t(signIndex(sign))];
    for (const AsanaRecommendation& asana : recommendedAsanas(sign)) {
        auto* label = new LinkLabel(zodiacAsanaName(asana.index));
        label->setObjectName(asana.labelName);
        QFont f = label->font();
        f.setBold(true);
        f.setPointSizeF(f.pointSizeF() + 1);
        label->setFont(f);
        QPalette blue = label->palette();
        blue.setColor(QPalette::WindowText, QColor(0, 0, 128));
        label->setPalette(blue);
        const int index = asana.index;
        connect(label, &LinkLabel::clicked, this, [this, sign, index] { openAsana(sign, index); });
        column->addWidget(label);
        labels.append(label);
    }
    column->addStretch();
    return panel;
}

QWidget* ZodiacAsanaTab::buildDetailPanel()
{
    auto* panel = new QGroupBox;
    panel->setObjectName(QStringLiteral("fraYogaProcedure"));
    auto* content = new QWidget;
    auto* grid = new QGridLayout(content);
    // The picture and five texts need more height than a small screen gives: scroll.
    auto* area = new QScrollArea;
    area->setFocusPolicy(Qt::NoFocus); // it follows the focus of the controls inside
    area->setWidget(content);
    area->setWidgetResizable(true);
    area->setFrameShape(QFrame::NoFrame);
    area->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    auto* panelLayout = new QVBoxLayout(panel);
    panelLayout->setContentsMargins(2, 2, 2, 2);
    panelLayout->addWidget(area);

    m_asanaName = headingLabel(QStringLiteral("lblAsanaName"), {});
    QPalette red = m_asanaName->palette();
    red.setColor(QPalette::WindowText, QColor(255, 0, 0));
    m_asanaName->setPalette(red);
    // Alt+B is the window's own "Back To Main Page".
    m_back = new QPushButton(QStringLiteral("Ba&ck"));
    m_back->setObjectName(QStringLiteral("cmdYogaBack"));
    connect(m_back, &QPushButton::clicked, this, [this] { closeAsana(); });
    auto* top = new QHBoxLayout;
    top->addWidget(m_asanaName);
    top->addStretch();
    top->addWidget(m_back);
    grid->addLayout(top, 0, 0, 1, 2);

    auto* english = new QHBoxLayout;
    english->addWidget(captionLabel(QStringLiteral("Label26"), QStringLiteral("English Name")));
    m_englishName = valueLabel(QStringLiteral("lblEnglishName"));
    english->addWidget(m_englishName, 1);
    grid->addLayout(english, 1, 0, 1, 2);

    m_picture = new QLabel;
    m_picture->setObjectName(QStringLiteral("picYoga"));
    m_picture->setFixedSize(kPictureSize);
    m_picture->setAlignment(Qt::AlignCenter);
    grid->addWidget(m_picture, 2, 0, 2, 1, Qt::AlignTop);

    m_definition = textBox(QStringLiteral("txtYogaDefination"));
    m_definition->setAccessibleName(QStringLiteral("Definition"));
    grid->addWidget(m_definition, 2, 1);
    auto* contraBox = new QVBoxLayout;
    contraBox->addWidget(captionLabel(QStringLiteral("Label32"), QStringLiteral("Contradictions")));
    m_contradiction = textBox(QStringLiteral("txtContradiction"));
    m_contradiction->setAccessibleName(QStringLiteral("Contradictions"));
    contraBox->addWidget(m_contradiction);
    contraBox->addStretch();
    grid->addLayout(contraBox, 3, 1);

    // Procedure and benefits take the whole width, one under the other: the page scrolls.
    grid->addWidget(captionLabel(QStringLiteral("Label28"), QStringLiteral("Procedure")), 4, 0, 1,
                    2);
    m_procedure = textBox(QStringLiteral("txtProcedure"));
    m_procedure->setAccessibleName(QStringLiteral("Procedure"));
    grid->addWidget(m_procedure, 5, 0, 1, 2);
    grid->addWidget(captionLabel(QStringLiteral("Label30"), QStringLiteral("Benefits")), 6, 0, 1,
                    2);
    m_benefits = textBox(QStringLiteral("txtBenefits"));
    m_benefits->setAccessibleName(QStringLiteral("Benefits"));
    grid->addWidget(m_benefits, 7, 0, 1, 2);
    grid->setColumnStretch(1, 1);
    grid->setRowStretch(8, 1);
    return panel;
}

void ZodiacAsanaTab::showSignPanel(SunSign sign)
{
    m_sign = sign;
    for (QGroupBox* panel : m_signPanels)
        panel->setVisible(panel == m_signPanels[std::size_t(signIndex(sign))]);
    m_detail->hide();
    m_openedIndex.reset();
    m_practise->show();
    m_runningOrder->show();
}

void ZodiacAsanaTab::openAsana(SunSign sign, int index)
{
    const QString name = zodiacAsanaName(index);
    QGroupBox* panel = m_signPanels[std::size_t(signIndex(sign))];
    // A keyboard user lands on Back, and comes back to the same asana from it.
    const bool hadFocus = panel->isAncestorOf(QApplication::focusWidget());
    m_openedLabel = nullptr;
    for (LinkLabel* label : std::as_const(m_labels[std::size_t(signIndex(sign))])) {
        if (label->text() == name)
            m_openedLabel = label;
    }
    m_detail->show();
    m_practise->hide();
    m_runningOrder->hide();
    if (hadFocus)
        m_back->setFocus(Qt::OtherFocusReason);
    panel->hide();
    m_picture->setPixmap(QPixmap::fromImage(
        pictures::asanaPicture(name, kPictureSize, m_picture->devicePixelRatioF())));
    m_picture->setAccessibleDescription(pictures::asanaPictureDescription(name));
    const ZodiacAsanaRecord& record = zodiacAsana(index);
    m_englishName->setText(record.englishName);
    m_definition->setPlainText(record.definition);
    m_procedure->setPlainText(record.procedure);
    m_benefits->setPlainText(record.benefits);
    m_contradiction->setPlainText(record.contradictions);
    m_asanaName->setText(name);
    m_openedIndex = index;
}

void ZodiacAsanaTab::closeAsana()
{
    const bool hadFocus = m_detail->isAncestorOf(QApplication::focusWidget());
    m_signPanels[std::size_t(signIndex(m_sign))]->show();
    m_practise->show();
    m_runningOrder->show();
    if (hadFocus && m_openedLabel)
        m_openedLabel->setFocus(Qt::OtherFocusReason);
    m_detail->hide();
    m_openedIndex.reset();
}

} // namespace tarvo
