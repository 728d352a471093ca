// Writes the program icon for the desktop, drawn by the same code as the window icon:
//   tarvo-desktop-icons <folder>
// gives <folder>/<n>x<n>/apps/tarvo-yoga.png for every size a desktop looks for, and
// <folder>/scalable/apps/tarvo-yoga.svg, in the layout of the hicolor icon theme.

#include "pictures/Pictures.h"

#include <QDir>
#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <QSvgGenerator>
#include <cstdio>

using namespace tarvo::pictures;

namespace {

const QString kIconName = QStringLiteral("tarvo-yoga");
constexpr int kSizes[] = {16, 22, 24, 32, 48, 64, 128, 256};
constexpr int kSvgSize = 256;

bool fail(const QString& what)
{
    std::fprintf(stderr, "tarvo-desktop-icons: %s\n", qPrintable(what));
    return false;
}

QString makeFolder(const QString& root, const QString& sub)
{
    const QString path = root + QLatin1Char('/') + sub + QStringLiteral("/apps");
    return QDir().mkpath(path) ? path : QString();
}

bool writePng(const QString& root, int size)
{
    const QString folder = makeFolder(root, QStringLiteral("%1x%1").arg(size));
    if (folder.isEmpty())
        return fail(QStringLiteral("cannot make the folder for %1x%1").arg(size));
    // A transparent ground, so the round emblem sits on any panel or dock colour.
    QImage image(size, size, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    {
        QPainter p(&image);
        paintProgramEmblem(p, QRectF(0, 0, size, size));
    }
    const QString file = folder + QLatin1Char('/') + kIconName + QStringLiteral(".png");
    return image.save(file, "PNG") || fail(QStringLiteral("cannot write ") + file);
}

bool writeSvg(const QString& root)
{
    const QString folder = makeFolder(root, QStringLiteral("scalable"));
    if (folder.isEmpty())
        return fail(QStringLiteral("cannot make the folder for the scalable icon"));
    const QString file = folder + QLatin1Char('/') + kIconName + QStringLiteral(".svg");
    QSvgGenerator svg;
    svg.setFileName(file);
    svg.setSize({kSvgSize, kSvgSize});
    svg.setViewBox(QRect(0, 0, kSvgSize, kSvgSize));
    svg.setTitle(QStringLiteral("Tarvo Yoga"));
    svg.setDescription(programPictureDescription(ProgramPicture::Emblem));
    QPainter p;
    if (!p.begin(&svg))
        return fail(QStringLiteral("cannot write ") + file);
    paintProgramEmblem(p, QRectF(0, 0, kSvgSize, kSvgSize));
    return p.end() || fail(QStringLiteral("cannot write ") + file);
}

} // namespace

int main(int argc, char** argv)
{
    // A generator needs no display.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    const QStringList args = app.arguments();
    if (args.size() != 2) {
        std::fputs("usage: tarvo-desktop-icons <folder>\n", stderr);
        return 2;
    }
    bool ok = true;
    for (const int size : kSizes)
        ok = writePng(args[1], size) && ok;
    ok = writeSvg(args[1]) && ok;
    return ok ? 0 : 1;
}
