#include "chakra/ChakraForms.h"

#include "app/MakerPages.h"
#include "platform/AppContext.h"
#include "platform/LinkLabel.h"
#include "platform/Workspace.h"

#include <QGroupBox>
#include <QHBoxLayout>
#include <QMdiSubWindow>
#include <QMenuBar>

namespace tarvo {

void openChakraForm(const AppContext& context, QWidget* form)
{
    if (context.workspace) {
        context.workspace->showChild(form);
    } else {
        form->setAttribute(Qt::WA_DeleteOnClose);
        form->show();
    }
}

void hideChakraForm(QWidget* form)
{
    if (auto* sub = qobject_cast<QMdiSubWindow*>(form->parentWidget()))
        sub->hide();
    else
        form->hide();
}

void showChakraForm(QWidget* form)
{
    if (auto* sub = qobject_cast<QMdiSubWindow*>(form->parentWidget())) {
        sub->show();
        sub->raise();
        sub->setFocus();
    } else {
        form->show();
    }
}

void unloadChakraForm(QWidget* form)
{
    if (auto* sub = qobject_cast<QMdiSubWindow*>(form->parentWidget()))
        sub->close();
    else
        form->close();
}

void setWelcomePanelVisible(const AppContext& context, bool visible)
{
    if (context.workspace)
        context.workspace->setWelcomePanelVisible(visible);
}

void addChakraHelpMenu(QMenuBar* bar, const AppContext& context, QWidget* form, const HelpCaptions& captions)
{
    QMenu* help = bar->addMenu(QStringLiteral("&Help"));
    help->setObjectName(QStringLiteral("mnuHelp"));
    Desktop& desktop = context.desktop;
    auto page = [&desktop](MakerPage which) { return [&desktop, which] { openMakerPage(desktop, which); }; };
    help->addAction(QStringLiteral("&Online Help"), form, page(MakerPage::HelpWebPage))
        ->setObjectName(QStringLiteral("mnuOnline"));
    help->addAction(captions.visit, form, page(MakerPage::HomePage))->setObjectName(QStringLiteral("mnuVisit"));
    help->addSeparator();
    help->addAction(captions.update, form, page(MakerPage::DownloadWebPage))
        ->setObjectName(QStringLiteral("mnuUpdate"));
    help->addSeparator();
    Workspace* workspace = context.workspace;
    help->addAction(QStringLiteral("&About Software"), form, [workspace] {
            if (workspace)
                workspace->showAbout();
        })->setObjectName(QStringLiteral("mnuAbout"));
}

QGroupBox* chakraPromotionFrame(const AppContext& context, QWidget* form)
{
    auto* frame = new QGroupBox(form);
    frame->setObjectName(QStringLiteral("fraFullBrand"));
    auto* layout = new QHBoxLayout(frame);
    layout->setContentsMargins(8, 4, 8, 4);
    layout->setSpacing(16);
    Desktop& desktop = context.desktop;
    struct Promotion {
        const char16_t* name;
        const char16_t* caption;
        MakerPage page;
    };
    static constexpr Promotion promotions[] = {
        {u"Label61", u"Tarvo Yoga on the web", MakerPage::HomePage},
        {u"lblCobrand", u"Your brand on Tarvo Yoga", MakerPage::CoBrand},
        {u"lblFullBrand", u"The fully branded edition", MakerPage::FullyBranded},
    };
    for (const Promotion& promotion : promotions) {
        auto* label = new LinkLabel(QString::fromUtf16(promotion.caption), frame);
        label->setObjectName(QString::fromUtf16(promotion.name));
        QPalette blue = label->palette();
        blue.setColor(QPalette::WindowText, QColor(0, 0, 255));
        label->setPalette(blue);
        label->setUnderlined(true);
        const MakerPage which = promotion.page;
        QObject::connect(label, &LinkLabel::clicked, form, [&desktop, which] { openMakerPage(desktop, which); });
        if (layout->count() > 0)
            layout->addStretch(1);
        layout->addWidget(label);
    }
    return frame;
}

} // namespace tarvo
