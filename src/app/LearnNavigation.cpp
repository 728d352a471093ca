#include "app/LearnNavigation.h"

#include "app/SectionNavigation.h"
#include "learn/ArticleCatalogue.h"
#include "platform/StyleRole.h"
#include "platform/Twips.h"

#include <QPushButton>

namespace tarvo {

namespace {

const std::array<QString, kSectionCount> kHeaderCaptions = {
    QStringLiteral("Information on Yoga"),
    QStringLiteral("Yoga Asanas By Name"),
    QStringLiteral("Yoga Asanas By Body Parts"),
    QStringLiteral("Yoga Asanas By Therapeutic Applications"),
    QStringLiteral("Meditation"),
    QStringLiteral("Pranayam"),
    QStringLiteral("Surya Namaskar"),
};

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
    for (int k = 1; k <= kSectionCount; ++k) {
        // Built header first, then its articles, which is also the order Tab takes them in.
        auto* header = new QPushButton(kHeaderCaptions[std::size_t(k - 1)], this);
        header->setObjectName(QStringLiteral("Command%1").arg(k));
        header->setProperty("sectionHeader", true);
        connect(header, &QPushButton::clicked, this, [this, k] { emit headerClicked(k); });
        m_headers[std::size_t(k - 1)] = header;
        if (sectionKind(k) == SectionKind::Article) {
            m_subPanels[std::size_t(k - 1)] = buildSubPanel(k);
            tallest = std::max(tallest, subPanelHeight(k));
        }
    }
    setMinimumHeight(twipsToPixels(kHeaderHeight * kSectionCount + tallest) + 8);
    applyLayout(collapsedLayout());
}

QWidget* LearnNavigation::buildSubPanel(int section)
{
    auto* panel = new QWidget(this);
    panel->setObjectName(QStringLiteral("Picture%1").arg(section));
    int top = 0;
    const QList<ArticleButton> buttons = articleButtons(section);
    for (const ArticleButton& article : buttons) {
        auto* button = new QPushButton(article.caption, panel);
        button->setObjectName(article.name);
        button->setProperty("articleButton", true);
        button->setGeometry(twipsRect(kArticleButtonLeft, top, kArticleButtonWidth,
                                      kArticleButtonHeight));
        const QString name = article.name;
        connect(button, &QPushButton::clicked, this, [this, name] { emit articleClicked(name); });
        top += kArticleButtonHeight;
    }
    panel->setGeometry(twipsRect(subPanelLeft(section), 0,
                                 kArticleButtonLeft + kArticleButtonWidth, subPanelHeight(section)));
    panel->hide();
    return panel;
}

void LearnNavigation::applyLayout(const SectionLayout& layout)
{
    for (int k = 1; k <= kSectionCount; ++k) {
        const auto i = std::size_t(k - 1);
        m_headers[i]->setGeometry(twipsRect(0, layout.headerTop[i], kHeaderWidth, kHeaderHeight));
        if (QWidget* panel = m_subPanels[i]) {
            panel->move(twipsToPixels(subPanelLeft(k)), twipsToPixels(layout.panelTop));
            panel->setVisible(layout.shownPanel == k);
        }
    }
}

} // namespace tarvo
