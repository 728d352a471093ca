#pragma once

#include <QString>
#include <array>
#include <optional>

namespace tarvo {

// The headers of the Learn Yoga navigation, top to bottom.
enum class Section {
    Information = 1,
    AsanasByName,
    AsanasByBodyPart,
    AsanasByApplication,
    Meditation,
    Pranayam,
    SuryaNamaskar,
};

inline constexpr int kSectionCount = 7;
inline constexpr std::array<Section, kSectionCount> kSections = {
    Section::Information,         Section::AsanasByName, Section::AsanasByBodyPart,
    Section::AsanasByApplication, Section::Meditation,   Section::Pranayam,
    Section::SuryaNamaskar};

// The names of a header's button and of an article section's sub-panel: Command<n> and
// Picture<n>, n being the section's value.
QString sectionButtonName(Section section);
QString sectionPanelName(Section section);

// The section's place from the top, 0 for the first.
inline constexpr std::size_t position(Section section)
{
    return std::size_t(int(section) - 1);
}

// Geometry of the left-hand navigation, in twips; headers are wide enough for their
// longest caption in the program font.
inline constexpr int kLeftPanelWidth = 4440;
inline constexpr int kHeaderWidth = 4400;
inline constexpr int kHeaderHeight = 375;
inline constexpr int kArticleButtonLeft = 240;
inline constexpr int kArticleButtonWidth = 3500;
inline constexpr int kArticleButtonHeight = 375;

// Article sections open a sub-panel of article buttons under their header; lookup sections
// show their panel in the lookup strip instead.
bool isLookup(Section section);
int subPanelHeight(Section section);
int subPanelLeft(Section section);

struct SectionLayout {
    std::array<int, kSectionCount> headerTop{};
    std::optional<Section> shownPanel;
    int panelTop = 0; // for an article panel, directly under its header
    bool lookupStripVisible = false;
};

// Collapsed layout: every header stacked from the top, no sub-panel.
SectionLayout collapsedLayout();

// Which sections are expanded, and what a click on a header does to them.
class SectionNavigation {
public:
    bool expanded(Section section) const { return m_expanded[position(section)]; }
    SectionLayout toggle(Section section);

private:
    std::array<bool, kSectionCount> m_expanded{};
};

} // namespace tarvo
