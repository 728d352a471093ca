#pragma once

#include "shell/MakerPages.h"

#include <QString>

class QWidget;

namespace tarvo {

class Desktop;
class LinkLabel;

// A link in link blue that opens one of the maker's pages.
LinkLabel* makerLink(Desktop& desktop, const QString& objectName, const QString& text,
                     MakerPage page, QWidget* parent = nullptr);

} // namespace tarvo
