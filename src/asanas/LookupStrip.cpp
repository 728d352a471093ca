#include "asanas/LookupStrip.h"

#include "asanas/AsanaCatalogue.h"
#include "asanas/AsanaLists.h"
#include "asanas/AsanaTables.h"
#include "pictures/Pictures.h"
#include "platform/StyleRole.h"
#include "platform/Twips.h"

#include <QComboBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QListWidget>
#include <QSignalBlocker>
#include <QVBoxLayout>

namespace tarvo {

namespace {
constexpr int kPictureTwips = 3750;
constexpr int kContainerLeftTwips = 260;

QComboBox* pickList(const QString& name, const QStringList& items, const QString& accessible)
{
    auto* box = new QComboBox;
    box->setObjectName(name);
    box->setEditable(false);
    box->addItems(items);
    box->setMaxVisibleItems(16);
    box->setMinimumWidth(320);
    box->setAccessibleName(accessible);
    return box;
}

QLabel* cautionNote(const QString& name)
{
    auto* label = new QLabel;
    label->setObjectName(name);
    label->setTextFormat(Qt::PlainText);
    label->setWordWrap(true);
    label->setMaximumWidth(440);
    QPalette red = label->palette();
    red.setColor(QPalette::WindowText, QColor(0xb0, 0x20, 0x20));
    label->setPalette(red);
    return label;
}

QListWidget* resultList(const QString& name, const QString& accessible)
{
    auto* list = new QListWidget;
    list->setObjectName(name);
    list->setAccessibleName(accessible);
    // Wide enough to read a caution under a name in a few lines.
    list->setMinimumWidth(440);
    list->setWordWrap(true);
    return list;
}
} // namespace

LookupStrip::LookupStrip(QWidget* parent)
    : QWidget(parent)
    , m_picYoga(new QLabel)
{
    setObjectName(QStringLiteral("picTop1"));
    setStyleRole(this, "lookupStrip");
    m_captions.resize(5);

    auto* container = new QWidget;
    container->setObjectName(QStringLiteral("picContainer"));
    auto* row = new QHBoxLayout(container);
    row->setContentsMargins(0, 0, 0, 0);
    row->setSpacing(24);

    const int picture = twipsToPixels(kPictureTwips);
    m_picYoga->setObjectName(QStringLiteral("picYoga"));
    m_picYoga->setFixedSize(picture, picture);
    m_picYoga->setAlignment(Qt::AlignCenter);
    m_picYoga->setAccessibleName(QStringLiteral("Asana picture"));
    row->addWidget(m_picYoga);

    m_panels = {namePanel(), bodyPartPanel(), applicationPanel()};
    for (QWidget* panel : std::as_const(m_panels)) {
        row->addWidget(panel, 0, Qt::AlignTop);
        panel->hide();
    }
    row->addStretch(1);

    connect(m_byName, &QComboBox::activated, this,
            [this] { showAsanaPage(m_byName->currentText().trimmed()); });
    connect(m_byBodyPart, &QComboBox::activated, this, [this] {
        const QString part = m_byBodyPart->currentText();
        m_bodyPartCaution->setText(bodyPartCautionText(part));
        fillResults(m_bodyPartResults, asanasForBodyPart(part), conditionsOfBodyPart(part));
    });
    connect(m_byApplication, &QComboBox::activated, this, [this] {
        const QString application = m_byApplication->currentText();
        m_applicationCaution->setText(applicationCautionText(application));
        m_applicationCaution->setVisible(!m_applicationCaution->text().isEmpty());
        fillResults(m_applicationResults, asanasForApplication(application),
                    conditionsOfApplication(application));
    });
    for (QListWidget* list : {m_bodyPartResults, m_applicationResults}) {
        connect(list, &QListWidget::currentRowChanged, this,
                [this, list](int current) { showSelectedResult(list, current); });
    }

    auto* outer = new QHBoxLayout(this);
    outer->setContentsMargins(twipsToPixels(kContainerLeftTwips), 6, 12, 6);
    outer->addWidget(container);
}

QLabel* LookupStrip::caption(int index, const QString& text)
{
    auto* label = new QLabel(text);
    label->setObjectName(QStringLiteral("lblCaption_%1").arg(index));
    label->setWordWrap(true);
    m_captions[index] = label;
    return label;
}

QWidget* LookupStrip::namePanel()
{
    auto* panel = new QWidget;
    panel->setObjectName(QStringLiteral("Picture2"));
    auto* layout = new QVBoxLayout(panel);
    layout->addWidget(caption(0, QStringLiteral("Select the asana from the following list to get "
                                                "its corresponding details")));
    m_byName =
        pickList(QStringLiteral("cboAsanasByName"), asanaNames(), QStringLiteral("Asanas by name"));
    layout->addWidget(m_byName);
    return panel;
}

QWidget* LookupStrip::bodyPartPanel()
{
    auto* panel = new QWidget;
    panel->setObjectName(QStringLiteral("Picture3"));
    auto* layout = new QVBoxLayout(panel);
    layout->addWidget(
        caption(3, QStringLiteral("Select the Body Part to get the corresponding asanas list")));
    m_byBodyPart =
        pickList(QStringLiteral("cboAsanasByBodyPart"), bodyParts(), QStringLiteral("Body parts"));
    layout->addWidget(m_byBodyPart);
    layout->addWidget(caption(4, QStringLiteral("Select the asana from the following list to get "
                                                "its corresponding details")));
    m_bodyPartCaution = cautionNote(QStringLiteral("lblBodyPartCaution"));
    layout->addWidget(m_bodyPartCaution);
    m_bodyPartResults = resultList(QStringLiteral("lstAsanasByBodyPart"),
                                   QStringLiteral("Asanas for the body part"));
    layout->addWidget(m_bodyPartResults);
    return panel;
}

QWidget* LookupStrip::applicationPanel()
{
    auto* panel = new QWidget;
    panel->setObjectName(QStringLiteral("Picture4"));
    auto* layout = new QVBoxLayout(panel);
    layout->addWidget(caption(
        1, QStringLiteral("Select the Therapeutic Application to get the corresponding asanas")));
    m_byApplication =
        pickList(QStringLiteral("cboAsanasByTherapeuticApplications"), therapeuticApplications(),
                 QStringLiteral("Therapeutic applications"));
    layout->addWidget(m_byApplication);
    layout->addWidget(caption(2, QStringLiteral("Select the asana from the following list to get "
                                                "its corresponding details")));
    m_applicationCaution = cautionNote(QStringLiteral("lblApplicationCaution"));
    m_applicationCaution->hide();
    layout->addWidget(m_applicationCaution);
    m_applicationResults = resultList(QStringLiteral("lstAsanasByTherapeuticApplications"),
                                      QStringLiteral("Asanas for the application"));
    layout->addWidget(m_applicationResults);
    return panel;
}

void LookupStrip::selectFirst(LookupPanel panel)
{
    QComboBox* box = panel == LookupPanel::ByName       ? m_byName
                     : panel == LookupPanel::ByBodyPart ? m_byBodyPart
                                                        : m_byApplication;
    box->setCurrentIndex(0);
    emit box->activated(0);
}

void LookupStrip::fillResults(QListWidget* list, const QList<int>& numbers,
                              const QList<Condition>& lookedUp)
{
    const QList<AsanaRecord>& catalogue = loadAsanaCatalogue();
    QList<Condition> conditions = m_conditions ? m_conditions() : QList<Condition>{};
    for (Condition condition : lookedUp) {
        if (!conditions.contains(condition))
            conditions.append(condition);
    }
    {
        const QSignalBlocker quiet(list);
        list->clear();
        for (int number : numbers) {
            const AsanaRecord& record = catalogue.at(number - 1);
            const QStringList lines =
                QStringList{record.name} + cautionMarks(cautionsFor(record.name, conditions));
            auto* item = new QListWidgetItem(lines.join(u'\n'), list);
            item->setData(Qt::UserRole, record.name);
        }
    }
    if (list->count() > 0)
        list->setCurrentRow(0);
}

void LookupStrip::showSelectedResult(QListWidget* list, int row)
{
    if (const QListWidgetItem* item = list->item(row))
        showAsanaPage(item->data(Qt::UserRole).toString());
}

void LookupStrip::showAsanaByName(const QString& name)
{
    showPanel(LookupPanel::ByName);
    for (int i = 0; i < m_byName->count(); ++i) {
        if (m_byName->itemText(i).trimmed() == name)
            m_byName->setCurrentIndex(i);
    }
    showAsanaPage(name);
}

void LookupStrip::showAsanaPage(const QString& name)
{
    const auto number = findAsana(name);
    if (!number)
        return;
    const AsanaRecord& record = loadAsanaCatalogue().at(*number - 1);
    m_picYoga->setPixmap(QPixmap::fromImage(
        pictures::asanaPicture(record.name, m_picYoga->size(), devicePixelRatioF())));
    m_picYoga->setAccessibleDescription(pictures::asanaPictureDescription(record.name));
    emit asanaPageWanted(record.name);
}

QSize LookupStrip::pictureSize() const
{
    return m_picYoga->size();
}

void LookupStrip::setConditionSource(std::function<QList<Condition>()> conditions)
{
    m_conditions = std::move(conditions);
}

void LookupStrip::showPanel(LookupPanel panel)
{
    // Built in the order of the enumeration.
    for (qsizetype k = 0; k < m_panels.size(); ++k)
        m_panels[k]->setVisible(k == qsizetype(panel));
}

} // namespace tarvo
