// Shoots the whole screen at each step of a Zodiac reading and a chakra test, dialogs included,
// for checking the layout by eye at a given screen size and zoom:
//   result_shots <folder> [width height [zoom percent]]
#include "app/MainWindow.h"
#include "app/ProgramWindows.h"
#include "chakra/ChakraResultWindow.h"
#include "support/Journeys.h"
#include "support/TestContext.h"
#include "support/TestMain.h"
#include "support/WindowFixture.h"
#include "zodiac/ZodiacAsanaTab.h"
#include "zodiac/ZodiacAsanas.h"
#include "zodiac/ZodiacInputWindow.h"
#include "zodiac/ZodiacReportDialog.h"
#include "zodiac/ZodiacResultWindow.h"

#include <QScreen>
#include <QTabWidget>

using namespace tarvo;

namespace {

QString g_folder;

void shoot(const QString& name)
{
    for (int i = 0; i < 5; ++i)
        QCoreApplication::processEvents();
    QGuiApplication::primaryScreen()->grabWindow(0).save(g_folder + u'/' + name
                                                         + QStringLiteral(".png"));
}

void zodiacReading(MainWindow& mdi)
{
    ZodiacInputWindow* input =
        tarvo::test::fillZodiacInput(mdi, QStringLiteral("ANU RAO"), {10, 5});
    shoot(QStringLiteral("zodiac-input"));
    input->showReading();
    ZodiacResultWindow* display = input->resultWindow();
    auto* tabs = display->findChild<QTabWidget*>(QStringLiteral("SSTab1"));
    shoot(QStringLiteral("zodiac-characteristics"));
    tabs->setCurrentIndex(1);
    shoot(QStringLiteral("zodiac-diet"));
    display->findChild<QTabWidget*>(QStringLiteral("ssTab"))->setCurrentIndex(1);
    shoot(QStringLiteral("zodiac-fitness"));
    tabs->setCurrentIndex(2);
    shoot(QStringLiteral("zodiac-asanas"));
    const SunSign sign = display->reading().sunSign;
    display->asanaTab().openAsana(sign, recommendedAsanas(sign).first().index);
    shoot(QStringLiteral("zodiac-asana-detail"));
    ZodiacReportDialog report(mdi.context(), display->reading(), display->fields(), display);
    report.show();
    shoot(QStringLiteral("zodiac-report"));
    report.close();
}

void chakraResult(MainWindow& mdi)
{
    // Each answer in turn, so the bars come out of different lengths.
    int asked = 0;
    ChakraResultWindow* result = tarvo::test::openChakraResult(
        mdi, tarvo::test::allChakras(),
        [&asked](const ChakraQuestion&) { return ChakraAnswer(asked++ % 3); });
    shoot(QStringLiteral("chakra-result"));
    tarvo::test::click(result, QStringLiteral("cmdYogaChakra"));
    shoot(QStringLiteral("chakra-asanas"));
}

} // namespace

int main(int argc, char** argv)
{
    tarvo::test::isolateEnvironment();
    QApplication app(argc, argv);
    tarvo::test::installFonts(app);
    g_folder = argc > 1 ? QString::fromLocal8Bit(argv[1]) : QStringLiteral(".");
    tarvo::test::TestContext t;
    t.settings.values.insert(QStringLiteral("UpdateReminder/LastReminder"),
                             t.clock.time.toString(Qt::ISODate));
    if (argc > 4)
        t.settings.values.insert(QStringLiteral("View/Zoom"), QString::fromLocal8Bit(argv[4]));
    MainWindow mdi(t.context(), programWindows());
    const QSize screen =
        argc > 3 ? QSize(atoi(argv[2]), atoi(argv[3])) : QGuiApplication::primaryScreen()->size();
    mdi.setGeometry(QRect(QPoint(0, 0), screen));
    mdi.show();
    zodiacReading(mdi);
    chakraResult(mdi);
    return 0;
}
