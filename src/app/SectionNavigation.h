#pragma once

#include <array>

namespace tarvo {

inline constexpr int kSectionCount = 7;

// Geometry of the left-hand navigation, in twips; headers are wide enough for their
// longest caption in the program font.
inline constexpr int kLeftPanelWidth = 4440;
inline constexpr int kHeaderWidth = 4400;
inline constexpr int kHeaderHeight = 375;
inline constexpr int kArticleButtonLeft = 240;
inline constexpr int kArticleButtonWidth = 3500;
inline constexpr int kArticleButtonHeight = 375;

enum class SectionKind { Article, Lookup };

// Sections are numbered 1..7 like their header buttons Command1..Command7; the sub-panel of
// section k is Picture k.
SectionKind sectionKind(int section);
int subPanelHeight(int section);
int subPanelLeft(int section);

struct SectionLayout {
    std::array<int, kSectionCount> headerTop{};
    int shownPanel = 0; // 0: no sub-panel shown
    int panelTop = 0;   // for an article panel, directly under its header
    bool lookupStripVisible = false;
};

// Collapsed layout: every header stacked from the top, no sub-panel.
SectionLayout collapsedLayout();

// Which sections are expanded, and what a click on a header does to them.
class SectionNavigation {
public:
    bool expanded(int section) const { return m_expanded[index(section)]; }
    SectionLayout toggle(int section);

private:
    static std::size_t index(int section) { return std::size_t(section - 1); }

    std::array<bool, kSectionCount> m_expanded{};
};

} // namespace tarvo
