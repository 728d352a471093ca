#pragma once

#include <QUrl>

namespace tarvo {

class Desktop;

enum class MakerPage { HelpWebPage, HomePage, DownloadWebPage, FullyBranded, CoBrand };

QString makerPageKey(MakerPage page);
QUrl makerPageUrl(MakerPage page);

// Opens the page in the user's browser; whether a browser opened is not examined.
void openMakerPage(Desktop& desktop, MakerPage page);

} // namespace tarvo
