#include "learn/LearnFlow.h"

#include "asanas/AsanaCatalogue.h"
#include "asanas/AsanaPage.h"
#include "asanas/HealthConditions.h"
#include "asanas/LookupStrip.h"
#include "learn/ArticleCatalogue.h"
#include "learn/ArticleViewer.h"
#include "learn/ArticleWriter.h"
#include "learn/LearnNavigation.h"
#include "pictures/Pictures.h"
#include "platform/ReadingText.h"
#include "report/RichTextBox.h"
#include "shell/MainWindowStyle.h"
#include "shell/Navigator.h"
#include "shell/WorkArea.h"

#include <QEvent>
#include <QLabel>

namespace tarvo {

namespace {

LookupPanel lookupPanel(Section section)
{
    switch (section) {
    case Section::AsanasByBodyPart:
        return LookupPanel::ByBodyPart;
    case Section::AsanasByApplication:
        return LookupPanel::ByApplication;
    default:
        return LookupPanel::ByName;
    }
}

} // namespace

LearnFlow::LearnFlow(const AppContext& context)
    : m_context(context)
    , m_area(*context.area)
{
}

LearnFlow::~LearnFlow() = default;

void LearnFlow::start()
{
    buildPanels();
    m_navigation->show();
    articleViewer().showArticle(introduction());
}

void LearnFlow::leave()
{
    if (m_viewer)
        m_area.close(m_viewer);
    if (m_navigation) {
        m_lookupStrip->hide();
        m_navigation->hide();
    }
}

bool LearnFlow::shown() const
{
    return !m_area.welcomeVisible() && m_navigation && !m_navigation->isHidden();
}

void LearnFlow::buildPanels()
{
    if (m_navigation)
        return;
    m_lookupStrip = new LookupStrip;
    m_lookupStrip->setAttribute(Qt::WA_StyledBackground);
    styleChrome(m_lookupStrip);
    m_lookupStrip->setConditionSource([this] { return storedConditions(m_context.settings); });
    connect(m_lookupStrip, &LookupStrip::asanaPageWanted, this, &LearnFlow::showAsanaPage);
    for (QLabel* caption : m_lookupStrip->captions())
        caption->installEventFilter(this);
    m_area.addPanel(m_lookupStrip, Qt::TopEdge);

    m_navigation = new LearnNavigation;
    m_navigation->setAttribute(Qt::WA_StyledBackground);
    styleChrome(m_navigation);
    connect(m_navigation, &LearnNavigation::headerClicked, this, &LearnFlow::toggleSection);
    connect(m_navigation, &LearnNavigation::articleClicked, this, &LearnFlow::showArticle);
    m_area.addPanel(m_navigation, Qt::LeftEdge);
}

void LearnFlow::toggleSection(Section section)
{
    applySection(section);
    // An article section opens on its first article, a lookup on the first entry of its list.
    if (isLookup(section))
        m_lookupStrip->selectFirst(lookupPanel(section));
    else
        showArticle(sectionArticles(section).constFirst());
}

void LearnFlow::applySection(Section section)
{
    buildPanels();
    const SectionLayout layout = m_sections.toggle(section);
    m_lookupStrip->setVisible(layout.lookupStripVisible);
    if (layout.lookupStripVisible && layout.shownPanel)
        m_lookupStrip->showPanel(lookupPanel(*layout.shownPanel));
    m_navigation->applyLayout(layout);
}

void LearnFlow::showArticle(ArticleId article)
{
    if (const auto text = tarvo::article(article))
        articleViewer().showArticle(*text);
}

ArticleViewer& LearnFlow::openArticle(ArticleId article)
{
    if (!m_sections.expanded(articleSection(article)))
        applySection(articleSection(article));
    showArticle(article);
    return articleViewer();
}

ArticleViewer& LearnFlow::openAsana(const QString& name)
{
    // A lookup header shows its panel whether it was open or not.
    applySection(Section::AsanasByName);
    m_lookupStrip->showAsanaByName(name);
    return articleViewer();
}

void LearnFlow::showAsanaPage(const QString& name)
{
    const auto number = findAsana(name);
    if (!number)
        return;
    const AsanaRecord& record = loadAsanaCatalogue().at(*number - 1);
    RichReport page = articleViewerReport();
    writeAsanaPage(page, record);
    articleViewer().showPage(
        page, record.name,
        PagePicture{QSizeF(m_lookupStrip->pictureSize()), PicturePlacement::Beside,
                    [name = record.name](QPainter& painter, const QRectF& area) {
                        pictures::paintAsanaPicture(painter, name, area);
                    }});
}

ArticleViewer& LearnFlow::articleViewer()
{
    // A viewer closed with the other windows is deleted only later; write to a new one.
    if (!m_viewer || !m_area.windows().contains(m_viewer.data())) {
        m_viewer = new ArticleViewer(m_context.desktop);
        followReadingZoom(m_viewer->richTextBox(), m_context.readingZoom);
        connect(m_viewer, &ArticleViewer::breathingGuideWanted, this,
                [this](const QString& pattern) {
                    m_context.navigator->open(
                        PracticeLocation{PracticeWindow::BreathingGuide, pattern});
                });
        m_area.open(m_viewer, Placement::Filling);
    }
    return *m_viewer;
}

bool LearnFlow::eventFilter(QObject* watched, QEvent* event)
{
    // The lookup prompts act like the welcome texts: a click closes every window.
    if (event->type() == QEvent::MouseButtonRelease && m_area.closeAll())
        m_area.setWelcomeVisible(false);
    return QObject::eventFilter(watched, event);
}

} // namespace tarvo
