#pragma once

#include <QString>
#include <QStringList>

namespace tarvo {

inline const QString kZodiacCaption = QStringLiteral("Tarvo Zodiac Yoga");

// The welcome paragraph of the input window.
QString zodiacIntroduction();
// The four paragraphs of the "Yoga Asanas" tab; the last is the beginners' discipline.
QStringList yogaAsanasTabParagraphs();
// How to order a session of a sign's asanas, under the list and after them in the report.
QString runningOrderAdvice();
// The line said under a constitution type's remedies: a warning for each herb they name that is
// unsafe to take, then the caution every herbal remedy needs.
QString herbCaution(const QString& remedies);

} // namespace tarvo
