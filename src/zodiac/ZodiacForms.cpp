#include "zodiac/ZodiacForms.h"

#include "app/MakerPages.h"
#include "platform/AppContext.h"
#include "platform/Workspace.h"

#include <QMdiSubWindow>
#include <QMenuBar>
#include <QWidget>

namespace tarvo {

void unloadForm(QWidget* form) {
    if (auto* sub = qobject_cast<QMdiSubWindow*>(form->parentWidget()))
        sub->close();
    else
        form->close();
}

void setFormVisible(QWidget* form, bool visible) {
    if (auto* sub = qobject_cast<QMdiSubWindow*>(form->parentWidget())) {
        sub->setVisible(visible);
        if (visible) {
            form->show();
            sub->raise();
        }
    } else {
        form->setVisible(visible);
    }
}

void showForm(Workspace* workspace, QWidget* form) {
    if (workspace) {
        workspace->showChild(form);
    } else {
        form->setAttribute(Qt::WA_DeleteOnClose);
        form->show();
    }
}

} // namespace tarvo

namespace tarvo {

void addZodiacHelpMenu(QMenuBar& bar, const AppContext& context, const ZodiacHelpMenuNames& names)
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
    page(QStringLiteral("mnuVisit"), QStringLiteral("&Visit Us Online"), MakerPage::HomePage);
    help->addSeparator()->setObjectName(names.firstSeparator);
    page(QStringLiteral("mnuUpdate"), names.updateCaption, MakerPage::DownloadWebPage);
    help->addSeparator()->setObjectName(names.secondSeparator);
    QAction* about = help->addAction(QStringLiteral("&About Software"));
    about->setObjectName(QStringLiteral("mnuAbout"));
    Workspace* workspace = context.workspace;
    QObject::connect(about, &QAction::triggered, help, [workspace] {
        if (workspace)
            workspace->showAbout();
    });
}

} // namespace tarvo
