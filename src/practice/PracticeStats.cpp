#include "practice/PracticeStats.h"

#include <QSet>

namespace tarvo::practice {

namespace {

QDate localDay(const JournalEntry& entry)
{
    return entry.started.toLocalTime().date();
}

QDate mondayOf(const QDate& day)
{
    return day.addDays(1 - day.dayOfWeek());
}

} // namespace

QList<WeekMinutes> minutesPerWeek(const QList<JournalEntry>& entries, const QDate& today, int weeks)
{
    QList<WeekMinutes> result;
    if (weeks <= 0)
        return result;
    const QDate first = mondayOf(today).addDays(-7 * qint64(weeks - 1));
    for (int w = 0; w < weeks; ++w)
        result.append({first.addDays(7 * qint64(w)), 0});
    for (const JournalEntry& entry : entries) {
        const QDate day = localDay(entry);
        if (day < first || day > today)
            continue;
        result[first.daysTo(day) / 7].minutes += entry.seconds / 60.0;
    }
    return result;
}

int currentStreak(const QList<JournalEntry>& entries, const QDate& today)
{
    QSet<QDate> practised;
    for (const JournalEntry& entry : entries) {
        if (entry.seconds > 0)
            practised.insert(localDay(entry));
    }
    QDate day = practised.contains(today) ? today : today.addDays(-1);
    int streak = 0;
    while (practised.contains(day)) {
        ++streak;
        day = day.addDays(-1);
    }
    return streak;
}

} // namespace tarvo::practice
