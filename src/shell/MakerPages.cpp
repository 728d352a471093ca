#include "shell/MakerPages.h"

#include "platform/AppInfo.h"
#include "platform/Desktop.h"

namespace tarvo {

QString makerPageKey(MakerPage page)
{
    switch (page) {
    case MakerPage::HelpWebPage:
        return QStringLiteral("help-web-page");
    case MakerPage::HomePage:
        return QStringLiteral("home-page");
    case MakerPage::DownloadWebPage:
        return QStringLiteral("download-web-page");
    case MakerPage::FullyBranded:
        return QStringLiteral("fully-branded");
    case MakerPage::CoBrand:
        return QStringLiteral("co-brand");
    }
    return {};
}

QUrl makerPageUrl(MakerPage page)
{
    return QUrl(kSiteAddress + QStringLiteral("/tarvo-free-yoga/ssd.php?page=")
                + makerPageKey(page));
}

void openMakerPage(Desktop& desktop, MakerPage page)
{
    desktop.openUrl(makerPageUrl(page));
}

} // namespace tarvo
