#include "platform/ReadingZoom.h"
#include "platform/ZoomSteps.h"
#include "support/TestContext.h"

#include <QSignalSpy>
#include <QTest>

using namespace tarvo;

class tst_ReadingZoom : public QObject {
    Q_OBJECT

private slots:
    void stepsInAndOut_data()
    {
        QTest::addColumn<int>("from");
        QTest::addColumn<int>("in");
        QTest::addColumn<int>("out");
        QTest::addRow("50, the smallest") << 50 << 67 << 50;
        QTest::addRow("67") << 67 << 80 << 50;
        QTest::addRow("80") << 80 << 90 << 67;
        QTest::addRow("90") << 90 << 100 << 80;
        QTest::addRow("100") << 100 << 110 << 90;
        QTest::addRow("110") << 110 << 125 << 100;
        QTest::addRow("125") << 125 << 150 << 110;
        QTest::addRow("150") << 150 << 175 << 125;
        QTest::addRow("175") << 175 << 200 << 150;
        QTest::addRow("200") << 200 << 250 << 175;
        QTest::addRow("250") << 250 << 300 << 200;
        QTest::addRow("300, the largest") << 300 << 300 << 250;
        QTest::addRow("between two steps") << 105 << 110 << 100;
        QTest::addRow("just over the smallest") << 51 << 67 << 50;
        QTest::addRow("just under the largest") << 299 << 300 << 250;
    }
    void stepsInAndOut()
    {
        QFETCH(int, from);
        QFETCH(int, in);
        QFETCH(int, out);
        QCOMPARE(zoomedIn(from), in);
        QCOMPARE(zoomedOut(from), out);
    }

    void storedValues_data()
    {
        QTest::addColumn<QString>("stored");
        QTest::addColumn<int>("percent");
        QTest::addRow("absent") << QString() << 100;
        QTest::addRow("a step") << "150" << 150;
        QTest::addRow("between steps") << "133" << 133;
        QTest::addRow("smallest") << "50" << 50;
        QTest::addRow("largest") << "300" << 300;
        QTest::addRow("blanks around") << " 200 " << 200;
        QTest::addRow("below the range") << "49" << 100;
        QTest::addRow("above the range") << "301" << 100;
        QTest::addRow("zero") << "0" << 100;
        QTest::addRow("negative") << "-150" << 100;
        QTest::addRow("a fraction") << "150.5" << 100;
        QTest::addRow("with a percent sign") << "150%" << 100;
        QTest::addRow("a word") << "large" << 100;
        QTest::addRow("overflowing") << "99999999999999999999" << 100;
    }
    void storedValues()
    {
        QFETCH(QString, stored);
        QFETCH(int, percent);
        QCOMPARE(zoomFromSetting(stored), percent);
        test::MemorySettings settings;
        if (!stored.isNull())
            settings.values.insert(QStringLiteral("View/Zoom"), stored);
        QCOMPARE(ReadingZoom(settings).percent(), percent);
    }

    void everyChangeIsStoredAndAnnouncedOnce()
    {
        test::MemorySettings settings;
        ReadingZoom zoom(settings);
        QSignalSpy changes(&zoom, &ReadingZoom::percentChanged);
        zoom.zoomIn();
        zoom.zoomIn();
        QCOMPARE(zoom.percent(), 125);
        QCOMPARE(settings.values.value(QStringLiteral("View/Zoom")), QStringLiteral("125"));
        zoom.resetZoom();
        QCOMPARE(settings.values.value(QStringLiteral("View/Zoom")), QStringLiteral("100"));
        QCOMPARE(changes.size(), 3);
        QCOMPARE(changes.at(1).at(0).toInt(), 125);
        // Nothing to say when nothing changes.
        zoom.resetZoom();
        zoom.setPercent(100);
        QCOMPARE(changes.size(), 3);
    }

    void theEndsHoldAndTurnTheirDirectionOff_data()
    {
        QTest::addColumn<QString>("stored");
        QTest::addColumn<bool>("towardsLarger");
        QTest::addColumn<int>("end");
        QTest::addRow("largest") << "250" << true << 300;
        QTest::addRow("smallest") << "67" << false << 50;
    }
    void theEndsHoldAndTurnTheirDirectionOff()
    {
        QFETCH(QString, stored);
        QFETCH(bool, towardsLarger);
        QFETCH(int, end);
        test::MemorySettings settings;
        settings.values.insert(QStringLiteral("View/Zoom"), stored);
        ReadingZoom zoom(settings);
        QVERIFY(zoom.canZoomIn() && zoom.canZoomOut());
        for (int i = 0; i < 3; ++i)
            towardsLarger ? zoom.zoomIn() : zoom.zoomOut();
        QCOMPARE(zoom.percent(), end);
        QCOMPARE(zoom.canZoomIn(), !towardsLarger);
        QCOMPARE(zoom.canZoomOut(), towardsLarger);
    }

    void aSetPercentIsHeldWithinTheRange_data()
    {
        QTest::addColumn<int>("asked");
        QTest::addColumn<int>("held");
        QTest::addRow("too small") << 10 << 50;
        QTest::addRow("too large") << 1000 << 300;
        QTest::addRow("within") << 175 << 175;
    }
    void aSetPercentIsHeldWithinTheRange()
    {
        QFETCH(int, asked);
        QFETCH(int, held);
        test::MemorySettings settings;
        ReadingZoom zoom(settings);
        zoom.setPercent(asked);
        QCOMPARE(zoom.percent(), held);
        QCOMPARE(settings.values.value(QStringLiteral("View/Zoom")).toInt(), held);
    }
};

QTEST_GUILESS_MAIN(tst_ReadingZoom)
#include "tst_readingzoom.moc"
