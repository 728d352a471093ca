#pragma once

#include "practice/PracticeTypes.h"

#include <QDate>
#include <QList>

namespace tarvo::practice {

struct WeekMinutes {
    QDate monday;
    double minutes = 0;

    friend bool operator==(const WeekMinutes&, const WeekMinutes&) = default;
};

// Minutes practised in each of the last weeks (Monday to Sunday, local time), oldest first and
// the week holding today last. Stopped practice counts for the time it lasted.
QList<WeekMinutes> minutesPerWeek(const QList<JournalEntry>& entries, const QDate& today,
                                  int weeks = 12);

// Consecutive days with practice, ending today, or yesterday while today has none yet.
int currentStreak(const QList<JournalEntry>& entries, const QDate& today);

} // namespace tarvo::practice
