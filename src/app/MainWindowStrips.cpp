#include "app/MainWindowStrips.h"

#include "app/ProgramPictures.h"
#include "platform/LinkLabel.h"
#include "platform/StyleRole.h"
#include "platform/Twips.h"
#include "shell/MakerLink.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>

namespace tarvo {

namespace {

constexpr int kBannerHeight = 465;
constexpr int kProgramStripHeight = 900;
constexpr int kExitWidth = 1335;
constexpr int kExitHeight = 495;

QWidget* strip(const QString& name, int heightTwips)
{
    auto* widget = new QWidget;
    widget->setObjectName(name);
    widget->setAttribute(Qt::WA_StyledBackground);
    if (heightTwips > 0)
        widget->setFixedHeight(twipsToPixels(heightTwips));
    return widget;
}

} // namespace

QWidget* bannerStrip(Desktop& desktop)
{
    QWidget* banner = strip(QStringLiteral("picTopMain"), kBannerHeight);
    setStyleRole(banner, "banner");
    auto* layout = new QHBoxLayout(banner);
    layout->setContentsMargins(8, 0, 8, 0);
    LinkLabel* label = makerLink(desktop, QStringLiteral("lblSolvaneBanner"),
                                 QStringLiteral("Free yoga lessons, sun-sign readings and chakra "
                                                "tests - visit the Tarvo Yoga home page"),
                                 MakerPage::HomePage, banner);
    layout->addWidget(label, 0, Qt::AlignCenter);
    return banner;
}

QWidget* programStrip(const std::function<void(Program)>& chosen, qreal devicePixelRatio)
{
    QWidget* top = strip(QStringLiteral("picTop"), kProgramStripHeight);
    setStyleRole(top, "programStrip");
    auto* container = new QWidget;
    container->setObjectName(QStringLiteral("picButtonContainer"));
    auto* buttons = new QHBoxLayout(container);
    buttons->setContentsMargins(0, 0, 0, 0);
    buttons->setSpacing(10);
    const QStringList captions = {QStringLiteral("Learn Yoga"), QStringLiteral("Zodiac Yoga"),
                                  QStringLiteral("Chakra Yoga")};
    for (int i = 0; i < captions.size(); ++i) {
        auto* picture = new QLabel;
        picture->setObjectName(QStringLiteral("Picture%1").arg(8 + i));
        picture->setFixedSize(48, 48);
        picture->setPixmap(programButtonPicture(i, picture->size(), devicePixelRatio));
        picture->setAccessibleName(captions[i]);
        picture->setAccessibleDescription(programButtonDescription(i));
        buttons->addWidget(picture);
        auto* button = new QPushButton(captions[i]);
        button->setObjectName(QStringLiteral("cmdSelectOption_%1").arg(i));
        button->setMinimumSize(150, 36);
        QObject::connect(button, &QPushButton::clicked, top,
                         [chosen, i] { chosen(static_cast<Program>(i)); });
        buttons->addWidget(button);
        if (i + 1 < captions.size())
            buttons->addSpacing(28);
    }
    auto* layout = new QHBoxLayout(top);
    layout->setContentsMargins(8, 0, 8, 0);
    layout->addWidget(container, 0, Qt::AlignCenter);
    return top;
}

FootStrip footStrip(Desktop& desktop)
{
    QWidget* bottom = strip(QStringLiteral("PicCoBrand"), 0);
    setStyleRole(bottom, "footer");
    auto* layout = new QHBoxLayout(bottom);
    layout->setContentsMargins(12, twipsToPixels(120), twipsToPixels(120), twipsToPixels(120));
    LinkLabel* promo = makerLink(desktop, QStringLiteral("Label7"),
                                 QStringLiteral("Tarvo Yoga with your own name and logo: ask for "
                                                "the fully branded edition"),
                                 MakerPage::FullyBranded, bottom);
    setStyleRole(promo, "promotion");
    layout->addWidget(promo, 1, Qt::AlignCenter);
    auto* exit = new QPushButton(QStringLiteral("&Exit"));
    exit->setObjectName(QStringLiteral("cmdMdiExit"));
    exit->setFixedSize(twipsToPixels(kExitWidth), twipsToPixels(kExitHeight));
    QFont bold = exit->font();
    bold.setBold(true);
    exit->setFont(bold);
    layout->addWidget(exit, 0, Qt::AlignRight);
    return {bottom, promo, exit};
}

} // namespace tarvo
