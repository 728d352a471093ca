#include "shell/HelpMenu.h"

#include "shell/AppContext.h"
#include "shell/MakerPages.h"
#include "shell/Navigator.h"

#include <QMenuBar>

namespace tarvo {

void addHelpMenu(QMenuBar& bar, const AppContext& context, const HelpMenuCaptions& captions)
{
    QMenu* help = bar.addMenu(QStringLiteral("&Help"));
    help->setObjectName(QStringLiteral("mnuHelp"));
    Desktop& desktop = context.desktop;
    const auto page = [help, &desktop](const QString& name, const QString& text, MakerPage which) {
        QAction* action = help->addAction(text);
        action->setObjectName(name);
        QObject::connect(action, &QAction::triggered, help,
                         [&desktop, which] { openMakerPage(desktop, which); });
    };
    page(QStringLiteral("mnuOnline"), QStringLiteral("&Online Help"), MakerPage::HelpWebPage);
    page(QStringLiteral("mnuVisit"), captions.visit, MakerPage::HomePage);
    help->addSeparator()->setObjectName(captions.firstSeparator);
    page(QStringLiteral("mnuUpdate"), captions.update, MakerPage::DownloadWebPage);
    help->addSeparator()->setObjectName(captions.secondSeparator);
    QAction* about = help->addAction(QStringLiteral("&About Software"));
    about->setObjectName(QStringLiteral("mnuAbout"));
    Navigator* navigator = context.navigator;
    QObject::connect(about, &QAction::triggered, help, [navigator] {
        if (navigator)
            navigator->showAbout();
    });
}

} // namespace tarvo
