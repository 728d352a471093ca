#pragma once

#include <QDateTime>

namespace tarvo {

struct AppContext;

// The settings key of the last reminder; the value is an ISO 8601 local date and time.
inline const QString kLastReminderKey = QStringLiteral("UpdateReminder/LastReminder");

enum class ReminderAction {
    StoreNow,  // nothing usable stored: remember now, ask nothing
    StayQuiet, // reminded within the last fortnight (either way): nothing to do
    Ask,       // ask, then remember now whatever the answer
};

ReminderAction reminderAction(const QString& storedValue, const QDateTime& now);
QString reminderValue(const QDateTime& moment);

} // namespace tarvo

class QWidget;

namespace tarvo {

// Runs the reminder against the settings store, asking through the desktop when due.
void runUpdateReminder(const AppContext& context, QWidget* parent);

} // namespace tarvo
