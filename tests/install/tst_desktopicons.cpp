// The desktop icons as the build writes them: every hicolor size and the SVG show the same
// emblem as the window icon, on a transparent ground.

#include "pictures/Pictures.h"
#include "support/TestMain.h"

#include <QDir>
#include <QFile>
#include <QPainter>
#include <QProcess>
#include <QSvgRenderer>
#include <QTemporaryDir>
#include <algorithm>
#include <cstdlib>

using namespace tarvo::pictures;

namespace {

const int kSizes[] = {16, 22, 24, 32, 48, 64, 128, 256};

int runGenerator(const QStringList& arguments)
{
    QProcess tool;
    tool.start(QStringLiteral(TARVO_DESKTOP_ICONS), arguments);
    if (!tool.waitForFinished(60000) || tool.exitStatus() != QProcess::NormalExit)
        return -1;
    return tool.exitCode();
}

// The emblem as the window icon draws it, without the picture's backdrop.
QImage emblemOnWhite(int size)
{
    QImage image(size, size, QImage::Format_RGB32);
    image.fill(Qt::white);
    QPainter p(&image);
    paintProgramEmblem(p, QRectF(0, 0, size, size));
    return image;
}

// The icon laid on white, to compare with the above.
QImage onWhite(const QImage& icon)
{
    QImage flat(icon.size(), QImage::Format_RGB32);
    flat.fill(Qt::white);
    QPainter p(&flat);
    p.drawImage(0, 0, icon);
    return flat;
}

// Largest difference in any channel, and the share of pixels differing by more than `slack`.
std::pair<int, double> compare(const QImage& a, const QImage& b, int slack)
{
    const QImage x = a.convertToFormat(QImage::Format_RGB32);
    const QImage y = b.convertToFormat(QImage::Format_RGB32);
    int worst = 0;
    qint64 off = 0;
    for (int row = 0; row < x.height(); ++row)
        for (int col = 0; col < x.width(); ++col) {
            const QRgb p = x.pixel(col, row), q = y.pixel(col, row);
            const int d = std::max({std::abs(qRed(p) - qRed(q)), std::abs(qGreen(p) - qGreen(q)),
                                    std::abs(qBlue(p) - qBlue(q))});
            worst = std::max(worst, d);
            off += d > slack;
        }
    return {worst, double(off) / (double(x.width()) * x.height())};
}

} // namespace

class tst_DesktopIcons : public QObject {
    Q_OBJECT

    QTemporaryDir m_out;

    QString pngPath(int size) const
    {
        return m_out.path() + QStringLiteral("/%1x%1/apps/tarvo-yoga.png").arg(size);
    }
    QString svgPath() const
    {
        return m_out.path() + QStringLiteral("/scalable/apps/tarvo-yoga.svg");
    }

private slots:
    void initTestCase()
    {
        QVERIFY(m_out.isValid());
        QCOMPARE(runGenerator({m_out.path()}), 0);
    }

    void writesExactlyTheThemeFiles()
    {
        QStringList expected{QStringLiteral("scalable/apps/tarvo-yoga.svg")};
        for (const int size : kSizes)
            expected.append(QStringLiteral("%1x%1/apps/tarvo-yoga.png").arg(size));
        QStringList found;
        const QDir root(m_out.path());
        for (const QString& sub : root.entryList(QDir::Dirs | QDir::NoDotAndDotDot))
            for (const QString& file :
                 QDir(root.filePath(sub + QStringLiteral("/apps"))).entryList(QDir::Files))
                found.append(sub + QStringLiteral("/apps/") + file);
        expected.sort();
        found.sort();
        QCOMPARE(found, expected);
    }

    void pngsAreSquareAtTheirSizeWithATransparentGround_data()
    {
        QTest::addColumn<int>("size");
        for (const int size : kSizes)
            QTest::addRow("%d", size) << size;
    }
    void pngsAreSquareAtTheirSizeWithATransparentGround()
    {
        QFETCH(int, size);
        const QImage icon(pngPath(size));
        QVERIFY2(!icon.isNull(), qPrintable(pngPath(size)));
        QCOMPARE(icon.size(), QSize(size, size));
        QVERIFY(icon.hasAlphaChannel());
        // The emblem is round: the corners show the panel behind, the middle is solid.
        for (const QPoint corner :
             {QPoint(0, 0), QPoint(size - 1, 0), QPoint(0, size - 1), QPoint(size - 1, size - 1)})
            QCOMPARE(qAlpha(icon.pixel(corner)), 0);
        QCOMPARE(qAlpha(icon.pixel(size / 2, size / 2)), 255);
    }

    void pngsShowTheWindowIconsEmblem_data()
    {
        pngsAreSquareAtTheirSizeWithATransparentGround_data();
    }
    void pngsShowTheWindowIconsEmblem()
    {
        QFETCH(int, size);
        const QImage icon(pngPath(size));
        QVERIFY(!icon.isNull());
        const auto [worst, share] = compare(onWhite(icon), emblemOnWhite(size), 2);
        QVERIFY2(worst <= 3, qPrintable(QStringLiteral("worst channel difference %1").arg(worst)));
        QCOMPARE(share, 0.0);
    }

    void svgIsTheSameEmblemScalable()
    {
        QSvgRenderer svg(svgPath());
        QVERIFY(svg.isValid());
        QCOMPARE(svg.viewBox(), QRect(0, 0, 256, 256));
        QFile text(svgPath());
        QVERIFY(text.open(QIODevice::ReadOnly));
        const QByteArray xml = text.readAll();
        QVERIFY(xml.contains("<title>Tarvo Yoga</title>"));
        // Drawn as shapes, not an embedded picture: it stays sharp at every size.
        QVERIFY(!xml.contains("<image"));
        QVERIFY(xml.contains("Gradient"));

        for (const int size : {48, 256}) {
            QImage drawn(size, size, QImage::Format_ARGB32_Premultiplied);
            drawn.fill(Qt::transparent);
            {
                QPainter p(&drawn);
                svg.render(&p, QRectF(0, 0, size, size));
            }
            QCOMPARE(qAlpha(drawn.pixel(0, 0)), 0);
            QCOMPARE(qAlpha(drawn.pixel(size / 2, size / 2)), 255);
            // The renderer's gradients and edges differ a little from the painter's; the picture
            // does not.
            const auto [worst, share] = compare(onWhite(drawn), emblemOnWhite(size), 24);
            Q_UNUSED(worst);
            QVERIFY2(share < 0.02,
                     qPrintable(QStringLiteral("%1 of the pixels differ").arg(share)));
        }
    }

    void refusesAMissingFolderArgument() { QCOMPARE(runGenerator({}), 2); }

    void failsWhenTheFolderCannotBeMade()
    {
        QTemporaryDir dir;
        QVERIFY(dir.isValid());
        QFile blocker(dir.filePath(QStringLiteral("hicolor")));
        QVERIFY(blocker.open(QIODevice::WriteOnly));
        blocker.close();
        QCOMPARE(runGenerator({blocker.fileName()}), 1);
    }
};

TARVO_TEST_MAIN(tst_DesktopIcons)
#include "tst_desktopicons.moc"
