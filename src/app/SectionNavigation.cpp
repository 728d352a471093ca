#include "app/SectionNavigation.h"

namespace tarvo {

SectionKind sectionKind(int section)
{
    return section >= 2 && section <= 4 ? SectionKind::Lookup : SectionKind::Article;
}

int subPanelHeight(int section)
{
    switch (section) {
    case 1:
    case 6:
        return 2300;
    case 5:
        return 1900;
    case 7:
        return 1550;
    default:
        return 0; // lookup panels live in the lookup strip
    }
}

int subPanelLeft(int section)
{
    return section == 5 ? 315 : 310;
}

SectionLayout collapsedLayout()
{
    SectionLayout layout;
    for (int k = 0; k < kSectionCount; ++k)
        layout.headerTop[std::size_t(k)] = kHeaderHeight * k;
    return layout;
}

SectionLayout SectionNavigation::toggle(int section)
{
    const bool lookup = sectionKind(section) == SectionKind::Lookup;
    SectionLayout layout = collapsedLayout();
    layout.lookupStripVisible = lookup;

    // Opening an article section closes the others; a lookup header leaves their flags alone.
    if (!lookup) {
        for (int k = 1; k <= kSectionCount; ++k) {
            if (k != section)
                m_expanded[index(k)] = false;
        }
    }

    if (expanded(section)) {
        m_expanded[index(section)] = false;
        layout.shownPanel = lookup ? section : 0;
        return layout;
    }

    m_expanded[index(section)] = true;
    layout.shownPanel = section;
    if (!lookup) {
        const int headerTop = layout.headerTop[index(section)];
        layout.panelTop = headerTop + kHeaderHeight;
        int top = layout.panelTop + subPanelHeight(section);
        for (int k = section + 1; k <= kSectionCount; ++k) {
            layout.headerTop[index(k)] = top;
            top += kHeaderHeight;
        }
    }
    return layout;
}

} // namespace tarvo
