#pragma once

#include <QList>
#include <QString>

namespace tarvo {

// Catalogue numbers of the asanas that serve a body part or a therapeutic application, in
// catalogue order. Texts match exactly (case and blanks included); others match nothing.
QList<int> asanasForBodyPart(const QString& bodyPart);
QList<int> asanasForApplication(const QString& application);

} // namespace tarvo
