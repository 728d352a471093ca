#pragma once

#include <QString>

namespace tarvo {

inline const QString kOnlyLettersMessage = QStringLiteral("Please Enter only Letters");

struct FilteredName {
    QString text;
    bool dropped = false; // something other than a letter or a blank was taken out
};

// The name box's rule for typed, pasted and dropped text alike: letters become capitals,
// blanks stay, everything else goes.
FilteredName filterNameText(const QString& text);

} // namespace tarvo
