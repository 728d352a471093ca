#include "learn/LearnNavigation.h"

#include "learn/ArticleCatalogue.h"
#include "learn/SectionNavigation.h"
#include "platform/StyleRole.h"
#include "platform/Twips.h"

#include <QPushButton>

namespace tarvo {

namespace {

QRect twipsRect(int left, int top, int width, int height)
{
    return {twipsToPixels(left), twipsToPixels(top), twipsToPixels(width), twipsToPixels(height)};
}

} // namespace

LearnNavigation::LearnNavigation(QWidget* parent)
    : QWidget(parent)
{
    setObjectName(QStringLiteral("picLeft"));
    setStyleRole(this, "navigation");
    setFixedWidth(twipsToPixels(kLeftPanelWidth));
    int tallest = 0;
    for (Section section : kSections) {
        // Built header first, then its articles, which is also the order Tab takes them in.
        auto* header = new QPushButton(sectionCaption(section), this);
        header->setObjectName(sectionButtonName(section));
        header->setProperty("sectionHeader", true);
        connect(header, &QPushButton::clicked, this,
                [this, section] { emit headerClicked(section); });
        m_headers[position(section)] = header;
        if (!isLookup(section)) {
            m_subPanels[position(section)] = buildSubPanel(section);
            tallest = std::max(tallest, subPanelHeight(section));
        }
    }
    setMinimumHeight(twipsToPixels(kHeaderHeight * kSectionCount + tallest) + 8);
    applyLayout(collapsedLayout());
}

QWidget* LearnNavigation::buildSubPanel(Section section)
{
    auto* panel = new QWidget(this);
    panel->setObjectName(sectionPanelName(section));
    int top = 0;
    const QList<ArticleId> articles = sectionArticles(section);
    for (const ArticleId article : articles) {
        auto* button = new QPushButton(articleCaption(article), panel);
        button->setObjectName(articleButtonName(article));
        button->setProperty("articleButton", true);
        button->setGeometry(
            twipsRect(kArticleButtonLeft, top, kArticleButtonWidth, kArticleButtonHeight));
        connect(button, &QPushButton::clicked, this,
                [this, article] { emit articleClicked(article); });
        top += kArticleButtonHeight;
    }
    panel->setGeometry(twipsRect(subPanelLeft(section), 0, kArticleButtonLeft + kArticleButtonWidth,
                                 subPanelHeight(section)));
    panel->hide();
    return panel;
}

void LearnNavigation::applyLayout(const SectionLayout& layout)
{
    for (Section section : kSections) {
        const std::size_t i = position(section);
        m_headers[i]->setGeometry(twipsRect(0, layout.headerTop[i], kHeaderWidth, kHeaderHeight));
        if (QWidget* panel = m_subPanels[i]) {
            panel->move(twipsToPixels(subPanelLeft(section)), twipsToPixels(layout.panelTop));
            panel->setVisible(layout.shownPanel == section);
        }
    }
}

} // namespace tarvo
