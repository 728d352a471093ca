#pragma once

#include "asanas/HealthConditions.h"

#include <QStringList>

namespace tarvo::test {

// Whether a sentence of the program's prose names the condition. The practice data must hold
// every sentence these find, and nothing they do not: the patterns read the texts in the tests,
// never in the program.
bool namesCondition(const QString& sentence, Condition condition);

// The sentences a page shows, one item or paragraph line at a time, item numbers taken off.
QStringList sentencesOf(const QString& text);

} // namespace tarvo::test
