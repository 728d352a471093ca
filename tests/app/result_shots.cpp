// Shoots the whole screen at each step of a Zodiac reading and a chakra test, dialogs included,
// for checking the layout by eye at a given screen size and zoom:
//   result_shots <folder> [width height [zoom percent]]
#include "app/MainWindow.h"
#include "app/ProgramWindows.h"
#include "support/TestContext.h"
#include "support/TestMain.h"
#include "support/WindowFixture.h"
#include "zodiac/ZodiacAsanaTab.h"
#include "zodiac/ZodiacAsanas.h"
#include "zodiac/ZodiacInputWindow.h"
#include "zodiac/ZodiacReportDialog.h"
#include "zodiac/ZodiacResultWindow.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
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
    mdi.selectProgram(Program::ZodiacYoga);
    auto* input = qobject_cast<ZodiacInputWindow*>(
        test::openWindow(mdi, QStringLiteral("frmZodiacYogaMain")));
    input->findChild<QLineEdit*>(QStringLiteral("txtName"))->setText(QStringLiteral("ANU RAO"));
    input->findChild<QComboBox*>(QStringLiteral("cboMonth"))->setCurrentIndex(4);
    input->findChild<QComboBox*>(QStringLiteral("cboDate"))->setCurrentIndex(9);
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
    mdi.selectProgram(Program::ChakraYoga);
    QWidget* selection = test::openWindow(mdi, QStringLiteral("frmChakraYogaMain"));
    for (int i = 0; i < 7; ++i)
        selection->findChild<QCheckBox*>(QStringLiteral("chkChakras_%1").arg(i))->setChecked(true);
    selection->findChild<QPushButton*>(QStringLiteral("cmdTest"))->click();
    QWidget* questions = test::openWindow(mdi, QStringLiteral("frmChakraYogaQuestions"));
    for (int k = 0; k < 56; ++k) {
        questions->findChild<QRadioButton*>(QStringLiteral("optAnswer_%1").arg(k % 3))
            ->setChecked(true);
        questions->findChild<QPushButton*>(QStringLiteral("cmdNext"))->click();
    }
    shoot(QStringLiteral("chakra-result"));
    test::openWindow(mdi, QStringLiteral("frmChakraYogaResult"))
        ->findChild<QPushButton*>(QStringLiteral("cmdYogaChakra"))
        ->click();
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
