#include "app/SectionNavigation.h"
#include "support/TestMain.h"

using namespace tarvo;

class tst_SectionNavigation : public QObject {
    Q_OBJECT

private slots:
    void init() { test::failOnUnexpectedWarnings(); }

    void expandingAnArticleSectionOpensItsPanelUnderItsHeader_data()
    {
        QTest::addColumn<int>("section");
        QTest::addColumn<int>("panelTop");
        QTest::addColumn<int>("nextHeaderTop");
        QTest::addRow("Information on Yoga") << 1 << 375 << 375 + 2300;
        QTest::addRow("Meditation") << 5 << 1875 << 1875 + 1900;
        QTest::addRow("Pranayam") << 6 << 2250 << 2250 + 2300;
        QTest::addRow("Surya Namaskar") << 7 << 2625 << -1;
    }
    void expandingAnArticleSectionOpensItsPanelUnderItsHeader()
    {
        QFETCH(int, section);
        QFETCH(int, panelTop);
        QFETCH(int, nextHeaderTop);
        SectionNavigation navigation;
        const SectionLayout layout = navigation.toggle(section);
        QVERIFY(navigation.expanded(section));
        QCOMPARE(layout.shownPanel, section);
        QCOMPARE(layout.panelTop, panelTop);
        QVERIFY(!layout.lookupStripVisible);
        for (int k = 1; k <= section; ++k)
            QCOMPARE(layout.headerTop[std::size_t(k - 1)], 375 * (k - 1));
        if (nextHeaderTop >= 0) {
            QCOMPARE(layout.headerTop[std::size_t(section)], nextHeaderTop);
            QCOMPARE(layout.headerTop[6], nextHeaderTop + 375 * (6 - section));
        }
    }

    void secondClickCollapses()
    {
        SectionNavigation navigation;
        navigation.toggle(1);
        const SectionLayout layout = navigation.toggle(1);
        QVERIFY(!navigation.expanded(1));
        QCOMPARE(layout.shownPanel, 0);
        QCOMPARE(layout.headerTop, collapsedLayout().headerTop);
    }

    void lookupHeaderKeepsOtherFlags()
    {
        SectionNavigation navigation;
        navigation.toggle(1);
        const SectionLayout lookup = navigation.toggle(2);
        QVERIFY(lookup.lookupStripVisible);
        QCOMPARE(lookup.shownPanel, 2);
        QCOMPARE(lookup.headerTop, collapsedLayout().headerTop);
        QVERIFY(navigation.expanded(1));
        QVERIFY(navigation.expanded(2));
        // The article section still counts as expanded, so this click collapses it.
        const SectionLayout again = navigation.toggle(1);
        QVERIFY(!navigation.expanded(1));
        QCOMPARE(again.shownPanel, 0);
        QVERIFY(!again.lookupStripVisible);
        QVERIFY(!navigation.expanded(2));
    }

    void collapsingALookupSectionKeepsItsPanel()
    {
        SectionNavigation navigation;
        navigation.toggle(3);
        const SectionLayout layout = navigation.toggle(3);
        QVERIFY(!navigation.expanded(3));
        QCOMPARE(layout.shownPanel, 3);
        QVERIFY(layout.lookupStripVisible);
    }

    void articleSectionClosesTheOthers()
    {
        SectionNavigation navigation;
        navigation.toggle(2);
        navigation.toggle(4);
        navigation.toggle(5);
        navigation.toggle(6);
        for (int k : {1, 2, 3, 4, 5, 7})
            QVERIFY2(!navigation.expanded(k), qPrintable(QString::number(k)));
        QVERIFY(navigation.expanded(6));
    }
};

TARVO_TEST_MAIN(tst_SectionNavigation)
#include "tst_sectionnavigation.moc"
