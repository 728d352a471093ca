#pragma once

#include <QVariant>
#include <QWidget>

namespace tarvo {

// What a widget is for, as the style sheets see it. Control names repeat across windows, so a
// sheet keyed on them would reach controls it was never meant for.
inline void setStyleRole(QWidget* widget, const char* role)
{
    widget->setProperty("styleRole", QString::fromLatin1(role));
}

} // namespace tarvo
