#include "shell/UpdateReminder.h"

namespace tarvo {

namespace {
constexpr qint64 kQuietDays = 14;
}

ReminderAction reminderAction(const QString& storedValue, const QDateTime& now)
{
    // A value that does not read as a date is as good as none: it would otherwise ask forever.
    const QDateTime stored = QDateTime::fromString(storedValue, Qt::ISODate);
    if (!stored.isValid())
        return ReminderAction::StoreNow;
    const qint64 days = now.date().daysTo(stored.date());
    return days >= -kQuietDays && days <= kQuietDays ? ReminderAction::StayQuiet
                                                     : ReminderAction::Ask;
}

QString reminderValue(const QDateTime& moment)
{
    return moment.toString(Qt::ISODate);
}

} // namespace tarvo

#include "platform/AppInfo.h"
#include "platform/Clock.h"
#include "platform/Desktop.h"
#include "platform/SettingsStore.h"
#include "shell/AppContext.h"
#include "shell/MakerPages.h"

namespace tarvo {

void runUpdateReminder(const AppContext& context, QWidget* parent)
{
    const ReminderAction action =
        reminderAction(context.settings.value(kLastReminderKey), context.clock.now());
    if (action == ReminderAction::StayQuiet)
        return;
    MessageAnswer answer = MessageAnswer::No;
    if (action == ReminderAction::Ask) {
        answer = context.desktop.message(
            parent, MessageIcon::Information, MessageButtons::YesNo, kAppTitle,
            QStringLiteral("There maybe an update to this software available\n"
                           "Do you want to check for an update?"));
    }
    context.settings.setValue(kLastReminderKey, reminderValue(context.clock.now()));
    if (answer == MessageAnswer::Yes)
        openMakerPage(context.desktop, MakerPage::DownloadWebPage);
}

} // namespace tarvo
