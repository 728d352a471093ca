#pragma once

#include <QString>
#include <QStringList>

namespace tarvo {

// The welcome paragraph of the input window.
QString zodiacIntroduction();
// The four paragraphs of the "Yoga Asanas" tab; the last is the beginners' discipline.
QStringList yogaAsanasTabParagraphs();

} // namespace tarvo
