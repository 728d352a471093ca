#include "zodiac/ZodiacSignTabs.h"

#include "platform/LinkLabel.h"

#include <QEvent>
#include <QFrame>
#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QPlainTextEdit>
#include <QScrollArea>
#include <QTabWidget>
#include <QVBoxLayout>

namespace tarvo {

namespace {

using F = ZodiacDisplayFields;

// Long tabs scroll rather than clip on small screens or at a large zoom, where even the captions
// that do not wrap may be wider than the window; Tab goes straight to the controls inside, and
// the area follows the focus.
QScrollArea* scrolling(QWidget* content)
{
    auto* area = new QScrollArea;
    area->setFocusPolicy(Qt::NoFocus);
    area->setWidget(content);
    area->setWidgetResizable(true);
    area->setFrameShape(QFrame::NoFrame);
    return area;
}

// Two columns side by side while both fit the visible width, one above the other once they do
// not (at a large zoom), so that the page scrolls only downwards.
class StackingColumns final : public QObject {
public:
    StackingColumns(QScrollArea* area, QBoxLayout* columns)
        : QObject(area)
        , m_area(area)
        , m_columns(columns)
    {
        area->viewport()->installEventFilter(this);
        area->widget()->installEventFilter(this);
    }

    bool eventFilter(QObject*, QEvent* event) override
    {
        if (event->type() == QEvent::Resize || event->type() == QEvent::LayoutRequest)
            arrange();
        return false;
    }

private:
    void arrange()
    {
        const QMargins margins = m_columns->contentsMargins();
        int sideBySide = margins.left() + margins.right();
        for (int i = 0; i < m_columns->count(); ++i)
            sideBySide +=
                m_columns->itemAt(i)->minimumSize().width() + (i ? m_columns->spacing() : 0);
        const QBoxLayout::Direction direction = sideBySide > m_area->viewport()->width()
                                                    ? QBoxLayout::TopToBottom
                                                    : QBoxLayout::LeftToRight;
        if (m_columns->direction() != direction)
            m_columns->setDirection(direction);
    }

    QScrollArea* m_area;
    QBoxLayout* m_columns;
};

QWidget* bind(FieldBindings& bindings, QString F::*member, QWidget* widget)
{
    bindings.append({member, widget});
    return widget;
}

void addRow(QGridLayout* grid, int row, QLabel* caption, QWidget* value)
{
    grid->addWidget(caption, row, 0, Qt::AlignTop);
    grid->addWidget(value, row, 1);
}

QGroupBox* stateFrame(FieldBindings& bindings, const QString& frameName, const QString& title,
                      const QString& titleName, const QString& prefix, QString F::*state,
                      QString F::*description, QString F::*taken, QString F::*avoid,
                      QString F::*remedy)
{
    auto* frame = new QGroupBox;
    frame->setObjectName(frameName);
    auto* grid = new QGridLayout(frame);
    auto* heading = new QHBoxLayout;
    heading->addWidget(captionLabel(titleName, title));
    heading->addWidget(
        bind(bindings, state, valueLabel(QStringLiteral("lblConstitutionType") + prefix)), 1);
    grid->addLayout(heading, 0, 0, 1, 2);
    QPlainTextEdit* descriptionBox =
        textBox(QStringLiteral("txtConstitutionType") + prefix + QStringLiteral("Desc"));
    descriptionBox->setAccessibleName(title + QStringLiteral(" constitution type"));
    grid->addWidget(bind(bindings, description, descriptionBox), 1, 0, 1, 2);
    addRow(grid, 2,
           captionLabel(QStringLiteral("lbl") + prefix + QStringLiteral("ItemToBeTakenCaption"),
                        QStringLiteral("Items to be taken")),
           bind(bindings, taken,
                valueLabel(QStringLiteral("lbl") + prefix + QStringLiteral("ItemToBeTaken"))));
    addRow(grid, 3,
           captionLabel(QStringLiteral("lbl") + prefix + QStringLiteral("ItemToAvoidCaption"),
                        QStringLiteral("Items to Avoid")),
           bind(bindings, avoid,
                valueLabel(QStringLiteral("lbl") + prefix + QStringLiteral("ItemToAvoid"))));
    addRow(grid, 4,
           captionLabel(QStringLiteral("lbl") + prefix + QStringLiteral("RemedyCaption"),
                        QStringLiteral("Remedy")),
           bind(bindings, remedy,
                valueLabel(QStringLiteral("lbl") + prefix + QStringLiteral("Remedy"))));
    grid->setColumnStretch(1, 1);
    return frame;
}

QWidget* buildDietTab(FieldBindings& bindings)
{
    auto* frame = new QWidget;
    frame->setObjectName(QStringLiteral("Frame1"));
    auto* columns = new QBoxLayout(QBoxLayout::LeftToRight, frame);

    auto* left = new QGridLayout;
    addRow(left, 0, captionLabel(QStringLiteral("Label1"), QStringLiteral("Your Sun Sign")),
           bind(bindings, &F::yourSunSign, valueLabel(QStringLiteral("lblSunSignYourSunSign"))));
    addRow(left, 1,
           captionLabel(QStringLiteral("label"), QStringLiteral("Body Part Ruled By Sun Sign")),
           bind(bindings, &F::bodyPart, valueLabel(QStringLiteral("lblBodyPartBySunSign"))));
    const auto boxRow = [&](int row, const QString& captionName, const QString& caption,
                            QString F::*member, const QString& boxName) {
        left->addWidget(captionLabel(captionName, caption), row, 0, 1, 2);
        QPlainTextEdit* box = textBox(boxName);
        box->setAccessibleName(caption);
        left->addWidget(bind(bindings, member, box), row + 1, 0, 1, 2);
    };
    boxRow(2, QStringLiteral("Label3"), QStringLiteral("Health Problems"), &F::healthProblems,
           QStringLiteral("txtHealthProblems"));
    boxRow(4, QStringLiteral("Label4"), QStringLiteral("Required Diet"), &F::requiredDiet,
           QStringLiteral("txtRequiredDiet"));
    boxRow(6, QStringLiteral("Label5"), QStringLiteral("Diet to Avoid"), &F::dietToAvoid,
           QStringLiteral("txtDiettoAvoid"));
    boxRow(8, QStringLiteral("Label6"), QStringLiteral("Diet Advice"), &F::dietAdvice,
           QStringLiteral("txtDietAdvice"));
    left->setColumnStretch(1, 1);
    left->setRowStretch(10, 1);
    columns->addLayout(left, 1);

    auto* right = new QVBoxLayout;
    auto* type = new QHBoxLayout;
    type->addWidget(captionLabel(QStringLiteral("Label7"), QStringLiteral("Constitution Type")));
    type->addWidget(
        bind(bindings, &F::constitutionType, valueLabel(QStringLiteral("lblConstitutionType"))), 1);
    right->addLayout(type);
    right->addWidget(bind(bindings, &F::constitutionDescription,
                          valueLabel(QStringLiteral("lblConstitutionTypeDesc"))));
    right->addWidget(stateFrame(bindings, QStringLiteral("Frame4"), QStringLiteral("Excess"),
                                QStringLiteral("Label9"), QStringLiteral("Excess"), &F::excess,
                                &F::excessDescription, &F::excessItemsToBeTaken,
                                &F::excessItemsToAvoid, &F::excessRemedy));
    right->addWidget(stateFrame(bindings, QStringLiteral("Frame6"), QStringLiteral("Low"),
                                QStringLiteral("Label10"), QStringLiteral("Low"), &F::low,
                                &F::lowDescription, &F::lowItemsToBeTaken, &F::lowItemsToAvoid,
                                &F::lowRemedy));
    right->addWidget(bind(bindings, &F::herbCaution, valueLabel(QStringLiteral("lblHerbCaution"))));
    right->addStretch();
    columns->addLayout(right, 1);
    QScrollArea* area = scrolling(frame);
    new StackingColumns(area, columns);
    return area;
}

QWidget* buildFitnessTab(FieldBindings& bindings)
{
    auto* frame = new QWidget;
    frame->setObjectName(QStringLiteral("Frame3"));
    auto* layout = new QVBoxLayout(frame);
    layout->addWidget(
        headingLabel(QStringLiteral("Label2"), QStringLiteral("Fitness Characteristics")));
    auto* grid = new QGridLayout;
    const std::pair<QString F::*, const char16_t*> phrases[] = {
        {&F::athletic, u"lblAthletic"},       {&F::endurance, u"lblEndurance"},
        {&F::flexibility, u"lblFlexibility"}, {&F::focus, u"lblFocus"},
        {&F::motivated, u"lblMotivated"},     {&F::routine, u"lblRoutine"},
        {&F::teamWork, u"lblTeamWork"},       {&F::variety, u"lblvariety"}};
    int i = 0;
    for (const auto& [member, name] : phrases) {
        QLabel* label = valueLabel(QString::fromUtf16(name));
        QPalette blue = label->palette();
        blue.setColor(QPalette::WindowText, QColor(0, 0, 255));
        label->setPalette(blue);
        grid->addWidget(bind(bindings, member, label), i / 2, i % 2);
        ++i;
    }
    layout->addLayout(grid);
    layout->addSpacing(12);
    layout->addWidget(headingLabel(QStringLiteral("Label16"), QStringLiteral("Fitness Advice")));
    QPlainTextEdit* advice = growingTextBox(QStringLiteral("txtSunSignDesc"), 120);
    advice->setAccessibleName(QStringLiteral("Fitness Advice"));
    layout->addWidget(bind(bindings, &F::fitnessAdvice, advice));
    layout->addStretch();
    return scrolling(frame);
}

} // namespace

QWidget* buildCharacteristicsTab(FieldBindings& bindings, QLabel** picture,
                                 LinkLabel** colourCaption)
{
    auto* frame = new QWidget;
    frame->setObjectName(QStringLiteral("Frame7"));
    auto* columns = new QHBoxLayout(frame);

    auto* left = new QVBoxLayout;
    *picture = new QLabel;
    (*picture)->setObjectName(QStringLiteral("picSunSign"));
    (*picture)->setFixedSize(150, 150);
    (*picture)->setAlignment(Qt::AlignCenter);
    left->addWidget(*picture, 0, Qt::AlignHCenter);
    auto* grid = new QGridLayout;
    struct Row {
        const char16_t* caption;
        const char16_t* captionName;
        QString F::*member;
        const char16_t* valueName;
    };
    const Row rows[] = {
        {u"Your Sun Sign", u"Label18", &F::sunSign, u"lblSunSign"},
        {u"Element", u"Label24", &F::element, u"lblSunSignElement"},
        {u"Lucky Number", u"Label23", &F::luckyNumber, u"lblSunSignNumber"},
        {u"Lucky Color", u"Label19", &F::luckyColour, u"lblSunSignColor"},
        {u"Lucky Day", u"Label21", &F::luckyDay, u"lblSunSignDay"},
        {u"Compatibility", u"Label20", &F::compatibility, u"lblSunSignCompatibility"},
        {u"Birthstone", u"Label27", &F::birthStone, u"lblSunSignBirthStone"},
        {u"Quality", u"Label29", &F::quality, u"lblSunSignQuality"},
    };
    int row = 0;
    for (const Row& r : rows) {
        QLabel* caption = nullptr;
        if (r.member == &F::luckyColour) {
            auto* link = new LinkLabel(QString::fromUtf16(r.caption));
            link->setObjectName(QString::fromUtf16(r.captionName));
            QFont bold = link->font();
            bold.setBold(true);
            link->setFont(bold);
            *colourCaption = link;
            caption = link;
        } else {
            caption =
                captionLabel(QString::fromUtf16(r.captionName), QString::fromUtf16(r.caption));
        }
        addRow(grid, row++, caption,
               bind(bindings, r.member, valueLabel(QString::fromUtf16(r.valueName))));
    }
    grid->setColumnStretch(1, 1);
    left->addLayout(grid);
    left->addStretch();
    columns->addLayout(left, 2);

    auto* right = new QVBoxLayout;
    QLabel* famous = captionLabel(QStringLiteral("Label31"),
                                  QStringLiteral("Famous Personalities born under this sign"));
    // The one caption wider than its column at a large zoom.
    famous->setWordWrap(true);
    right->addWidget(famous);
    right->addWidget(
        bind(bindings, &F::famousPeople, valueLabel(QStringLiteral("lblSunSignFamousPersonBorn"))));
    right->addWidget(captionLabel(QStringLiteral("Label22"), QStringLiteral("Positive Traits")));
    QPlainTextEdit* positive = growingTextBox(QStringLiteral("txtSunSignPositiveTraits"), 90);
    positive->setAccessibleName(QStringLiteral("Positive Traits"));
    right->addWidget(bind(bindings, &F::positiveTraits, positive), 1);
    right->addWidget(captionLabel(QStringLiteral("Label25"), QStringLiteral("Negative Traits")));
    QPlainTextEdit* negative = growingTextBox(QStringLiteral("txtSunSignNegativeTraits"), 90);
    negative->setAccessibleName(QStringLiteral("Negative Traits"));
    right->addWidget(bind(bindings, &F::negativeTraits, negative), 1);
    columns->addLayout(right, 3);
    return scrolling(frame);
}

QTabWidget* buildHealthTabs(FieldBindings& bindings)
{
    auto* tabs = new QTabWidget;
    tabs->setObjectName(QStringLiteral("ssTab"));
    tabs->setAccessibleName(QStringLiteral("Health Ailments"));
    tabs->addTab(buildDietTab(bindings), QStringLiteral("Sun Sign and &Diet"));
    tabs->addTab(buildFitnessTab(bindings), QStringLiteral("Sun Sign and Fi&tness"));
    tabs->setCurrentIndex(0);
    return tabs;
}

} // namespace tarvo
