#include "app/AboutDialog.h"

#include "app/ProgramPictures.h"
#include "learn/ArticleCatalogue.h"
#include "platform/AppInfo.h"
#include "platform/LinkLabel.h"
#include "shell/MakerLink.h"

#include <QGridLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

namespace tarvo {

AboutDialog::AboutDialog(Desktop& desktop, QWidget* parent)
    : QDialog(parent)
{
    setObjectName(QStringLiteral("frmAbout"));
    setWindowTitle(kAppCaption);
    setModal(true);

    auto* picture = new QLabel;
    picture->setObjectName(QStringLiteral("Picture1"));
    picture->setFixedSize(128, 128);
    picture->setPixmap(emblemPicture(picture->size(), devicePixelRatioF()));
    picture->setAccessibleName(QStringLiteral("Tarvo Yoga emblem"));
    picture->setAccessibleDescription(emblemDescription());

    auto* title = new QLabel(kAppCaption);
    title->setObjectName(QStringLiteral("Label2"));
    QFont big = title->font();
    big.setPointSize(14);
    big.setBold(true);
    title->setFont(big);

    auto plain = [](const QString& name, const QString& text) {
        auto* label = new QLabel(text);
        label->setObjectName(name);
        label->setTextFormat(Qt::PlainText);
        label->setWordWrap(true);
        // A fixed text width lets the box take exactly the height the paragraphs need.
        label->setFixedWidth(380);
        label->setMinimumHeight(label->heightForWidth(380));
        return label;
    };
    QLabel* description = plain(QStringLiteral("Label1"), applicationText(QStringLiteral("about")));
    QLabel* promo = plain(QStringLiteral("Label3"), applicationText(QStringLiteral("aboutPromo")));

    LinkLabel* coBrand =
        makerLink(desktop, QStringLiteral("lblCoBrand"),
                  QStringLiteral("Click here for more details."), MakerPage::FullyBranded);
    LinkLabel* homePage =
        makerLink(desktop, QStringLiteral("lblHomePage"),
                  applicationText(QStringLiteral("aboutHomePage")), MakerPage::HomePage);
    for (LinkLabel* link : {coBrand, homePage})
        link->setUnderlined(true);

    auto* ok = new QPushButton(QStringLiteral("&OK"));
    ok->setObjectName(QStringLiteral("cmdOK"));
    ok->setDefault(true);
    connect(ok, &QPushButton::clicked, this, &QDialog::accept);

    auto* text = new QVBoxLayout;
    text->setSpacing(10);
    text->addWidget(title);
    text->addWidget(description);
    text->addWidget(promo);
    text->addWidget(coBrand);
    text->addWidget(homePage);
    text->addStretch(1);

    auto* grid = new QGridLayout(this);
    grid->setContentsMargins(20, 20, 20, 16);
    grid->setHorizontalSpacing(20);
    grid->addWidget(picture, 0, 0, Qt::AlignTop);
    grid->addLayout(text, 0, 1);
    grid->addWidget(ok, 1, 1, Qt::AlignRight);
    grid->setSizeConstraint(QLayout::SetFixedSize);
}

} // namespace tarvo
