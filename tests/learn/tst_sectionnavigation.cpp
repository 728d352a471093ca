#include "learn/SectionNavigation.h"
#include "support/TestMain.h"

using namespace tarvo;

Q_DECLARE_METATYPE(tarvo::Section)

class tst_SectionNavigation : public QObject {
    Q_OBJECT

private slots:
    void init() { test::failOnUnexpectedWarnings(); }

    void expandingAnArticleSectionOpensItsPanelUnderItsHeader_data()
    {
        QTest::addColumn<Section>("section");
        QTest::addColumn<int>("panelTop");
        QTest::addColumn<int>("nextHeaderTop");
        QTest::addRow("Information on Yoga") << Section::Information << 375 << 375 + 2300;
        QTest::addRow("Meditation") << Section::Meditation << 1875 << 1875 + 1900;
        QTest::addRow("Pranayam") << Section::Pranayam << 2250 << 2250 + 2300;
        QTest::addRow("Surya Namaskar") << Section::SuryaNamaskar << 2625 << -1;
    }
    void expandingAnArticleSectionOpensItsPanelUnderItsHeader()
    {
        QFETCH(Section, section);
        QFETCH(int, panelTop);
        QFETCH(int, nextHeaderTop);
        SectionNavigation navigation;
        const SectionLayout layout = navigation.toggle(section);
        QVERIFY(navigation.expanded(section));
        QCOMPARE(layout.shownPanel, section);
        QCOMPARE(layout.panelTop, panelTop);
        QVERIFY(!layout.lookupStripVisible);
        const int number = int(section);
        for (int k = 1; k <= number; ++k)
            QCOMPARE(layout.headerTop[std::size_t(k - 1)], 375 * (k - 1));
        if (nextHeaderTop >= 0) {
            QCOMPARE(layout.headerTop[std::size_t(number)], nextHeaderTop);
            QCOMPARE(layout.headerTop[6], nextHeaderTop + 375 * (6 - number));
        }
    }

    void secondClickCollapses()
    {
        SectionNavigation navigation;
        navigation.toggle(Section::Information);
        const SectionLayout layout = navigation.toggle(Section::Information);
        QVERIFY(!navigation.expanded(Section::Information));
        QVERIFY(!layout.shownPanel);
        QCOMPARE(layout.headerTop, collapsedLayout().headerTop);
    }

    void lookupHeaderKeepsOtherFlags()
    {
        SectionNavigation navigation;
        navigation.toggle(Section::Information);
        const SectionLayout lookup = navigation.toggle(Section::AsanasByName);
        QVERIFY(lookup.lookupStripVisible);
        QCOMPARE(lookup.shownPanel, Section::AsanasByName);
        QCOMPARE(lookup.headerTop, collapsedLayout().headerTop);
        QVERIFY(navigation.expanded(Section::Information));
        QVERIFY(navigation.expanded(Section::AsanasByName));
        // The article section still counts as expanded, so this click collapses it.
        const SectionLayout again = navigation.toggle(Section::Information);
        QVERIFY(!navigation.expanded(Section::Information));
        QVERIFY(!again.shownPanel);
        QVERIFY(!again.lookupStripVisible);
        QVERIFY(!navigation.expanded(Section::AsanasByName));
    }

    void collapsingALookupSectionKeepsItsPanel()
    {
        SectionNavigation navigation;
        navigation.toggle(Section::AsanasByBodyPart);
        const SectionLayout layout = navigation.toggle(Section::AsanasByBodyPart);
        QVERIFY(!navigation.expanded(Section::AsanasByBodyPart));
        QCOMPARE(layout.shownPanel, Section::AsanasByBodyPart);
        QVERIFY(layout.lookupStripVisible);
    }

    void articleSectionClosesTheOthers()
    {
        SectionNavigation navigation;
        navigation.toggle(Section::AsanasByName);
        navigation.toggle(Section::AsanasByApplication);
        navigation.toggle(Section::Meditation);
        navigation.toggle(Section::Pranayam);
        for (Section other : kSections) {
            if (other != Section::Pranayam)
                QVERIFY2(!navigation.expanded(other), qPrintable(QString::number(int(other))));
        }
        QVERIFY(navigation.expanded(Section::Pranayam));
    }
};

TARVO_TEST_MAIN(tst_SectionNavigation)
#include "tst_sectionnavigation.moc"
