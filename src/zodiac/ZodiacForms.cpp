#include "zodiac/ZodiacForms.h"

#include "platform/Workspace.h"

#include <QMdiSubWindow>
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
        workspace->placeTopCentre(form);
    } else {
        form->setAttribute(Qt::WA_DeleteOnClose);
        form->show();
    }
}

} // namespace tarvo
