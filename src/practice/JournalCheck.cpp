#include "practice/JournalCheck.h"

#include "platform/SettingsStore.h"

namespace tarvo::practice {

namespace {

const QString kLastFullCheck = QStringLiteral("Practice/LastFullCheck");
constexpr int kDaysBetweenChecks = 7;

} // namespace

CheckDepth journalCheckDue(const SettingsStore& settings, const QDate& today)
{
    const QDate last = QDate::fromString(settings.value(kLastFullCheck), Qt::ISODate);
    // A date to come is a clock that was wrong, and checks again.
    if (!last.isValid() || last > today || last.daysTo(today) >= kDaysBetweenChecks)
        return CheckDepth::WholeFile;
    return CheckDepth::Layout;
}

void journalChecked(SettingsStore& settings, const QDate& today)
{
    settings.setValue(kLastFullCheck, today.toString(Qt::ISODate));
}

} // namespace tarvo::practice
