#include "shell/MakerLink.h"

#include "platform/LinkLabel.h"

namespace tarvo {

LinkLabel* makerLink(Desktop& desktop, const QString& objectName, const QString& text,
                     MakerPage page, QWidget* parent)
{
    auto* link = new LinkLabel(text, parent);
    link->setObjectName(objectName);
    QPalette blue = link->palette();
    blue.setColor(QPalette::WindowText, QColor(0, 0, 255));
    link->setPalette(blue);
    QObject::connect(link, &LinkLabel::clicked, link,
                     [&desktop, page] { openMakerPage(desktop, page); });
    return link;
}

} // namespace tarvo
