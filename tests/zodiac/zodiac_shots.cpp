// Draws the Zodiac windows of a reading into PNG files, for checking the layout by eye.
#include "app/ProgramWindows.h"
#include "app/frmMDI.h"
#include "support/TestContext.h"
#include "support/TestMain.h"
#include "zodiac/ZodiacAsanaTab.h"
#include "zodiac/frmZodiacYogaDisplay.h"
#include "zodiac/frmZodiacYogaMain.h"
#include "zodiac/frmZodiacYogaSave.h"

#include <QComboBox>
#include <QLineEdit>
#include <QTabWidget>
#include <QTimer>

using namespace tarvo;

namespace {

QString g_folder;

void shoot(QWidget* widget, const QString& name) {
    QCoreApplication::processEvents();
    widget->grab().save(g_folder + QStringLiteral("/zodiac-") + name + QStringLiteral(".png"));
}

void reading(frmMDI& mdi, const QString& sign, int month, int day, int firstAsana) {
    mdi.SelectProgramOption(1);
    auto* input = qobject_cast<frmZodiacYogaMain*>(mdi.child(QStringLiteral("frmZodiacYogaMain")));
    input->findChild<QLineEdit*>(QStringLiteral("txtName"))->setText(QStringLiteral("ANU RAO"));
    input->findChild<QComboBox*>(QStringLiteral("cboMonth"))->setCurrentIndex(month);
    input->findChild<QComboBox*>(QStringLiteral("cboDate"))->setCurrentIndex(day);
    shoot(&mdi, sign + QStringLiteral("-input"));
    input->ShowZodiacReading();
    frmZodiacYogaDisplay* display = input->resultWindow();
    auto* tabs = display->findChild<QTabWidget*>(QStringLiteral("SSTab1"));
    auto* inner = display->findChild<QTabWidget*>(QStringLiteral("ssTab"));
    shoot(&mdi, sign + QStringLiteral("-characteristics"));
    tabs->setCurrentIndex(1);
    inner->setCurrentIndex(0);
    shoot(&mdi, sign + QStringLiteral("-diet"));
    inner->setCurrentIndex(1);
    shoot(&mdi, sign + QStringLiteral("-fitness"));
    tabs->setCurrentIndex(2);
    shoot(&mdi, sign + QStringLiteral("-asanas"));
    display->asanaTab().openAsana(display->reading().sunSign, firstAsana);
    shoot(&mdi, sign + QStringLiteral("-asana-open"));
    tarvo::test::TestContext t;
    frmZodiacYogaSave report(t.context(&mdi), display->reading(), display->fields(), display);
    report.show();
    shoot(&report, sign + QStringLiteral("-report"));
    report.close();
}

} // namespace

int main(int argc, char** argv) {
    tarvo::test::isolateEnvironment();
    QApplication app(argc, argv);
    tarvo::test::installFonts(app);
    g_folder = argc > 1 ? QString::fromLocal8Bit(argv[1]) : QStringLiteral(".");
    tarvo::test::TestContext t;
    t.settings.values.insert(QStringLiteral("UpdateReminder/LastReminder"),
                             t.clock.time.toString(Qt::ISODate));
    frmMDI mdi(t.context(), programWindows());
    mdi.resize(1280, 800);
    mdi.show();
    reading(mdi, QStringLiteral("sagittarius"), 11, 4, 12);
    reading(mdi, QStringLiteral("pisces"), 2, 9, 14);
    return 0;
}
