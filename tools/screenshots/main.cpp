// Writes screenshots of the main window's Learn Yoga states into a folder, for review:
//   tarvo-screenshots <folder> [width height]
#include "app/AboutDialog.h"
#include "app/MainWindow.h"
#include "app/ProgramPictures.h"
#include "app/ProgramWindows.h"
#include "learn/LearnFlow.h"
#include "platform/Clock.h"
#include "platform/Fonts.h"
#include "platform/QtDesktop.h"
#include "platform/RandomSource.h"
#include "platform/SettingsStore.h"

#include <QApplication>
#include <QComboBox>
#include <QDir>
#include <QListWidget>
#include <QPushButton>
#include <cstdio>

namespace {

void settle()
{
    for (int i = 0; i < 5; ++i)
        QApplication::processEvents();
}

void save(QWidget& widget, const QDir& folder, const QString& name)
{
    settle();
    const QString path = folder.filePath(name + QStringLiteral(".png"));
    widget.grab().save(path);
    std::printf("%s\n", qPrintable(path));
}

void choose(QWidget& window, const char* list, const QString& entry)
{
    auto* box = window.findChild<QComboBox*>(QString::fromLatin1(list));
    box->setCurrentIndex(box->findText(entry));
    emit box->activated(box->currentIndex());
}

} // namespace

int main(int argc, char** argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    tarvo::installProgramFont(app);
    const QStringList args = QApplication::arguments();
    if (args.size() < 2) {
        std::fputs("usage: tarvo-screenshots <folder> [width height]\n", stderr);
        return 2;
    }
    const QDir folder(args.at(1));
    QDir().mkpath(folder.path());
    const QSize size =
        args.size() >= 4 ? QSize(args.at(2).toInt(), args.at(3).toInt()) : QSize(1280, 800);
    const QString suffix = QStringLiteral("-%1x%2").arg(size.width()).arg(size.height());

    tarvo::QtDesktop desktop;
    tarvo::SystemClock clock;
    tarvo::UserSettingsStore settings;
    tarvo::SystemRandomSource random;
    const tarvo::AppContext context{desktop, clock, settings, random};

    tarvo::MainWindow window(context, tarvo::programWindows());
    window.resize(size);
    window.show();
    save(window, folder, QStringLiteral("welcome") + suffix);

    window.selectProgram(tarvo::Program::LearnYoga);
    save(window, folder, QStringLiteral("introduction") + suffix);
    window.learn().toggleSection(tarvo::Section::Information);
    save(window, folder, QStringLiteral("information-on-yoga") + suffix);
    window.learn().showArticle(tarvo::ArticleId::BenefitsOfYoga);
    save(window, folder, QStringLiteral("benefits-of-yoga") + suffix);
    window.learn().toggleSection(tarvo::Section::Meditation);
    window.learn().showArticle(tarvo::ArticleId::MeditationTechniques);
    save(window, folder, QStringLiteral("techniques-to-meditation") + suffix);
    window.learn().toggleSection(tarvo::Section::Pranayam);
    window.learn().showArticle(tarvo::ArticleId::NadiShodhana);
    save(window, folder, QStringLiteral("nadi-shodan") + suffix);
    window.learn().toggleSection(tarvo::Section::SuryaNamaskar);
    window.learn().showArticle(tarvo::ArticleId::PractisingSuryaNamaskar);
    save(window, folder, QStringLiteral("surya-namaskar") + suffix);

    window.learn().toggleSection(tarvo::Section::AsanasByName);
    save(window, folder, QStringLiteral("asanas-by-name") + suffix);
    choose(window, "cboAsanasByName", QStringLiteral("Trikonasana"));
    save(window, folder, QStringLiteral("asana-trikonasana") + suffix);
    window.learn().toggleSection(tarvo::Section::AsanasByBodyPart);
    choose(window, "cboAsanasByBodyPart", QStringLiteral("Knees"));
    window.findChild<QListWidget*>(QStringLiteral("lstAsanasByBodyPart"))->setCurrentRow(2);
    save(window, folder, QStringLiteral("asana-by-body-part") + suffix);
    window.learn().toggleSection(tarvo::Section::AsanasByApplication);
    choose(window, "cboAsanasByTherapeuticApplications", QStringLiteral("Asthma"));
    save(window, folder, QStringLiteral("asana-by-application") + suffix);

    tarvo::AboutDialog about(desktop, &window);
    about.show();
    save(about, folder, QStringLiteral("about") + suffix);
    return 0;
}
