// Writes every picture of the program, with its key and name, into one PNG for review;
// "--icon <file>" writes the program icon instead.

#include "pictures/Pictures.h"

#include <QGuiApplication>
#include <QPainter>
#include <cstdio>

using namespace tarvo::pictures;

namespace {

struct Entry {
    QString key;
    QString name;
    QImage image;
};

QList<Entry> allPictures(QSize size)
{
    QList<Entry> entries;
    const QStringList names = poseNames();
    for (qsizetype i = 0; i < names.size(); ++i)
        entries.append(
            {QStringLiteral("asana %1").arg(i + 1), names[i], asanaPicture(names[i], size)});
    static const char* const signs[12] = {"Aries",       "Taurus",    "Gemini",   "Cancer",
                                          "Leo",         "Virgo",     "Libra",    "Scorpio",
                                          "Sagittarius", "Capricorn", "Aquarius", "Pisces"};
    for (int i = 0; i < 12; ++i)
        entries.append({QStringLiteral("sign %1").arg(i + 1), QString::fromLatin1(signs[i]),
                        signPicture(i, size)});
    const std::pair<ProgramPicture, const char*> programs[] = {
        {ProgramPicture::LearnYoga, "Learn Yoga"},
        {ProgramPicture::ZodiacYoga, "Zodiac Yoga"},
        {ProgramPicture::ChakraYoga, "Chakra Yoga"},
        {ProgramPicture::Emblem, "Emblem"}};
    for (const auto& [which, title] : programs)
        entries.append(
            {QStringLiteral("program"), QString::fromLatin1(title), programPicture(which, size)});
    return entries;
}

QImage contactSheet()
{
    const QSize cell(250, 250);
    const int caption = 36, columns = 8, gap = 10;
    const QList<Entry> entries = allPictures(cell);
    const int rows = static_cast<int>((entries.size() + columns - 1) / columns);
    QImage sheet(gap + columns * (cell.width() + gap), gap + rows * (cell.height() + caption + gap),
                 QImage::Format_RGB32);
    sheet.fill(QColor(250, 250, 248));
    QPainter p(&sheet);
    QFont font = p.font();
    font.setPixelSize(14);
    p.setFont(font);
    for (qsizetype i = 0; i < entries.size(); ++i) {
        const int col = static_cast<int>(i % columns), row = static_cast<int>(i / columns);
        const QPoint at(gap + col * (cell.width() + gap),
                        gap + row * (cell.height() + caption + gap));
        p.drawImage(at, entries[i].image);
        p.setPen(QColor(60, 60, 60));
        p.drawText(QRect(at + QPoint(0, cell.height()), QSize(cell.width(), caption)),
                   Qt::AlignCenter, entries[i].key + QStringLiteral(": ") + entries[i].name);
    }
    return sheet;
}

} // namespace

int main(int argc, char** argv)
{
    // A generator needs no display.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    const QStringList args = app.arguments();
    if (args.size() == 3 && args[1] == QLatin1String("--icon")) {
        if (programPicture(ProgramPicture::Emblem, {256, 256}).save(args[2]))
            return 0;
    } else if (args.size() == 2) {
        if (contactSheet().save(args[1]))
            return 0;
    } else {
        std::fputs("usage: tarvo-contact-sheet <sheet.png> | --icon <icon.png>\n", stderr);
        return 2;
    }
    std::fputs("could not write the picture\n", stderr);
    return 1;
}
