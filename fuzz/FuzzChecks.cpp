#include "fuzz/FuzzChecks.h"

#include "shell/UpdateReminder.h"
#include "zodiac/ZodiacRecordFile.h"

#include <QFile>
#include <QTemporaryDir>
#include <cstdlib>
#include <optional>

namespace tarvo::fuzz {

namespace {

using Values = std::optional<ZodiacRecordValues>;

bool same(const Values& a, const Values& b)
{
    if (a.has_value() != b.has_value())
        return false;
    return !a
           || (a->name == b->name && a->day == b->day && a->month == b->month
               && a->year == b->year);
}

bool lettersAndBlanks(const QString& text)
{
    for (const QChar c : text) {
        const char16_t u = c.unicode();
        if (!((u >= u'A' && u <= u'Z') || (u >= u'a' && u <= u'z') || u == u' '))
            return false;
    }
    return true;
}

// One scratch folder per process: the file path is the reader users actually hit.
Values readThroughFile(const QByteArray& bytes, const QString& fileName)
{
    static QTemporaryDir folder;
    const QString path = folder.filePath(fileName);
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate) || file.write(bytes) != bytes.size())
        std::abort(); // the harness itself cannot work, which no input may be blamed for
    file.close();
    return readZodiacRecord(path);
}

QString actionName(ReminderAction action)
{
    switch (action) {
    case ReminderAction::StoreNow:
        return QStringLiteral("StoreNow");
    case ReminderAction::StayQuiet:
        return QStringLiteral("StayQuiet");
    case ReminderAction::Ask:
        return QStringLiteral("Ask");
    }
    return QString();
}

} // namespace

QDateTime replayNow()
{
    return QDateTime(QDate(2026, 12, 8), QTime(9, 30));
}

Verdict checkRecordBytes(const QByteArray& bytes)
{
    const Values decoded = decodeZodiacRecord(bytes);
    Verdict verdict{decoded ? QStringLiteral("values") : QStringLiteral("refused"), QString()};
    const auto fail = [&verdict](const char* why) {
        verdict.fault = QString::fromLatin1(why);
        return verdict;
    };

    if (bytes.size() > kMaxRecordFileSize && decoded)
        return fail("a file larger than any record was accepted");
    if (decoded) {
        if (!lettersAndBlanks(decoded->name))
            return fail("a name other than letters and blanks was accepted");
        const qsizetype taken = decoded->name.size() + decoded->day.size() + decoded->month.size()
                                + decoded->year.size();
        if (taken > bytes.size())
            return fail("the values hold more characters than the file");
        // Writing the values back the way the program writes them must read as the same values.
        QByteArray again;
        for (const QString& value : {decoded->name, decoded->day, decoded->month, decoded->year})
            again += scrambleText(value).toLatin1() + "\r\n";
        if (again.size() <= kMaxRecordFileSize && !same(decodeZodiacRecord(again), decoded))
            return fail("the values written back read differently");
    }
    if (!same(readThroughFile(bytes, QStringLiteral("input.zoy")), decoded))
        return fail("reading the file gave another outcome than decoding its bytes");
    if (readThroughFile(bytes, QStringLiteral("input.txt")))
        return fail("a file without the record extension was accepted");
    return verdict;
}

Verdict checkReminderValue(const QByteArray& bytes)
{
    const QString stored = QString::fromUtf8(bytes);
    const QDateTime parsed = QDateTime::fromString(stored, Qt::ISODate);
    Verdict verdict{actionName(reminderAction(stored, replayNow())), QString()};
    const auto fail = [&verdict](const char* why) {
        verdict.fault = QString::fromLatin1(why);
        return verdict;
    };

    // Far apart moments, leap days and the ends of the four-digit years.
    const QDateTime moments[] = {
        replayNow(),
        QDateTime(QDate(2000, 2, 29), QTime(0, 0)),
        QDateTime(QDate(1970, 1, 1), QTime(0, 0), Qt::UTC),
        QDateTime(QDate(9999, 12, 31), QTime(23, 59, 59)),
        QDateTime(QDate(1, 1, 1), QTime(0, 0)),
    };
    for (const QDateTime& now : moments) {
        const ReminderAction action = reminderAction(stored, now);
        if (actionName(action).isEmpty())
            return fail("an action outside the three");
        if (!parsed.isValid()) {
            if (action != ReminderAction::StoreNow)
                return fail("an unreadable value was taken for a date");
            continue;
        }
        const qint64 gap = std::abs(parsed.date().toJulianDay() - now.date().toJulianDay());
        const ReminderAction expected = gap <= 14 ? ReminderAction::StayQuiet : ReminderAction::Ask;
        if (action != expected)
            return fail("the fortnight was judged wrongly");
    }
    if (parsed.isValid()) {
        if (reminderAction(stored, parsed) != ReminderAction::StayQuiet)
            return fail("a reminder is not quiet at its own moment");
        if (reminderAction(stored, parsed.addDays(15)) != ReminderAction::Ask)
            return fail("a reminder fifteen days old does not ask");
        // The program stores only the present moment; ISO text holds four-digit years, and
        // "9999-12-31T24:00" reads as the first moment of the year 10000.
        const int year = parsed.date().year();
        if (year >= 1 && year <= 9999
            && reminderAction(reminderValue(parsed), parsed) != ReminderAction::StayQuiet)
            return fail("the value the program stores does not read back");
    }
    return verdict;
}

} // namespace tarvo::fuzz
