#pragma once

#include <QString>

namespace tarvo {

inline const QString kOnlyLettersMessage = QStringLiteral("Please Enter only Letters");
inline const QString kNameTooLongMessage =
    QStringLiteral("Please Enter a Name of at most 60 Letters");

// Keeps every record far inside what the record reader accepts.
inline constexpr int kMaxNameLength = 60;

struct FilteredName {
    QString text;
    bool dropped = false; // something other than a letter or a blank was taken out
};

// The name box's rule for typed, pasted and dropped text alike: letters become capitals,
// blanks stay, everything else goes.
FilteredName filterNameText(const QString& text);

// Only the letters A to Z, either case, and blanks: what a record's name may hold.
bool isLettersAndBlanks(const QString& text);

// The whole name, however it reached the box: empty when it may be used, else the message.
// Text set by assistive tools or programs never passed the per-key rule.
QString nameRejection(const QString& name);

} // namespace tarvo
