#pragma once

#include "practice/PracticeFileJudge.h"

#include <QDate>

namespace tarvo {
class SettingsStore;
}

namespace tarvo::practice {

// How deeply to judge the journal at start-up: read whole once a week (and whenever a log left
// beside it says the program did not close), otherwise only its header and layout, so a journal
// of years does not slow every start.
CheckDepth journalCheckDue(const SettingsStore& settings, const QDate& today);
// Remembers, under Practice/LastFullCheck, that the journal was read whole today.
void journalChecked(SettingsStore& settings, const QDate& today);

} // namespace tarvo::practice
