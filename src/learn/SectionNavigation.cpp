#include "learn/SectionNavigation.h"

namespace tarvo {

QString sectionButtonName(Section section)
{
    return QStringLiteral("Command") + QString::number(int(section));
}

QString sectionPanelName(Section section)
{
    return QStringLiteral("Picture") + QString::number(int(section));
}

bool isLookup(Section section)
{
    return section == Section::AsanasByName || section == Section::AsanasByBodyPart
           || section == Section::AsanasByApplication;
}

int subPanelHeight(Section section)
{
    switch (section) {
    case Section::Information:
    case Section::Pranayam:
        return 2300;
    case Section::Meditation:
        return 1900;
    case Section::SuryaNamaskar:
        return 1550;
    default:
        return 0; // lookup panels live in the lookup strip
    }
}

int subPanelLeft(Section section)
{
    return section == Section::Meditation ? 315 : 310;
}

SectionLayout collapsedLayout()
{
    SectionLayout layout;
    for (Section section : kSections)
        layout.headerTop[position(section)] = kHeaderHeight * int(position(section));
    return layout;
}

SectionLayout SectionNavigation::toggle(Section section)
{
    const bool lookup = isLookup(section);
    SectionLayout layout = collapsedLayout();
    layout.lookupStripVisible = lookup;

    // Opening an article section closes the others; a lookup header leaves their flags alone.
    if (!lookup) {
        for (Section other : kSections) {
            if (other != section)
                m_expanded[position(other)] = false;
        }
    }

    if (expanded(section)) {
        m_expanded[position(section)] = false;
        if (lookup)
            layout.shownPanel = section;
        return layout;
    }

    m_expanded[position(section)] = true;
    layout.shownPanel = section;
    if (!lookup) {
        layout.panelTop = layout.headerTop[position(section)] + kHeaderHeight;
        int top = layout.panelTop + subPanelHeight(section);
        for (std::size_t k = position(section) + 1; k < kSections.size(); ++k) {
            layout.headerTop[k] = top;
            top += kHeaderHeight;
        }
    }
    return layout;
}

} // namespace tarvo
