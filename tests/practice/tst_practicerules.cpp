#include "practice/JournalCheck.h"
#include "practice/MemoryPracticeStore.h"
#include "practice/NotifyingPracticeStore.h"
#include "practice/PracticeStats.h"
#include "practice/journal/JournalCsv.h"
#include "support/TestContext.h"

#include <QFile>
#include <QTemporaryDir>
#include <QtTest>
#include <csignal>
#include <sys/resource.h>

using namespace tarvo::practice;

namespace {

using Day = std::pair<QDateTime, int>; // start, seconds
using Week = std::pair<QDate, double>; // Monday, minutes

QDateTime at(int y, int m, int d, int h = 8, int min = 0)
{
    return QDateTime(QDate(y, m, d), QTime(h, min));
}

QList<JournalEntry> journal(const QList<Day>& days)
{
    QList<JournalEntry> entries;
    for (const auto& [started, seconds] : days) {
        JournalEntry entry;
        entry.started = started;
        entry.seconds = seconds;
        entry.title = QStringLiteral("Morning");
        entries.append(entry);
    }
    return entries;
}

JournalEntry entry(const QDateTime& started, PracticeKind kind, const QString& title,
                   const QString& summary, int seconds, bool completed, const QString& note)
{
    JournalEntry e;
    e.started = started;
    e.kind = kind;
    e.title = title;
    e.summary = summary;
    e.seconds = seconds;
    e.completed = completed;
    e.note = note;
    return e;
}

const QByteArray kHeader = "Date,Time,Kind,Title,Summary,Seconds,Completed,Note\r\n";

} // namespace

Q_DECLARE_METATYPE(tarvo::practice::CheckDepth)

class tst_PracticeRules final : public QObject {
    Q_OBJECT

private slots:
    // The journal is read whole once a week, and whenever the clock has gone wrong.
    void journalCheckedWholeWeekly_data()
    {
        QTest::addColumn<QString>("last");
        QTest::addColumn<CheckDepth>("depth");
        QTest::addRow("never") << QString() << CheckDepth::WholeFile;
        QTest::addRow("today") << "2026-03-01" << CheckDepth::Layout;
        QTest::addRow("six days ago") << "2026-02-23" << CheckDepth::Layout;
        QTest::addRow("a week ago") << "2026-02-22" << CheckDepth::WholeFile;
        QTest::addRow("in the future") << "2026-03-05" << CheckDepth::WholeFile;
        QTest::addRow("not a date") << "soon" << CheckDepth::WholeFile;
    }
    void journalCheckedWholeWeekly()
    {
        QFETCH(QString, last);
        QFETCH(CheckDepth, depth);
        tarvo::test::MemorySettings settings;
        if (!last.isNull())
            settings.values.insert(QStringLiteral("Practice/LastFullCheck"), last);
        const QDate today(2026, 3, 1);
        QCOMPARE(journalCheckDue(settings, today), depth);
        journalChecked(settings, today);
        QCOMPARE(journalCheckDue(settings, today.addDays(6)), CheckDepth::Layout);
    }

    // The journal is opened when it is first needed, once, not when it is made.
    void storeOpensWhenFirstNeeded()
    {
        NotifyingPracticeStore store(std::make_unique<MemoryPracticeStore>());
        int opened = 0;
        store.openLater([&opened] {
            ++opened;
            auto memory = std::make_unique<MemoryPracticeStore>();
            JournalEntry first;
            first.started = QDateTime(QDate(2026, 3, 1), QTime(7, 0));
            first.title = QStringLiteral("Kept");
            memory->addEntry(first);
            return memory;
        });
        QCOMPARE(opened, 0);
        QCOMPARE(store.entryCount(), 1);
        QCOMPARE(store.entries().first().title, QStringLiteral("Kept"));
        store.openNow();
        QCOMPARE(opened, 1);
    }

    void minutesPerWeek_data()
    {
        QTest::addColumn<QDate>("today");
        QTest::addColumn<QList<Day>>("days");
        QTest::addColumn<QDate>("firstMonday");
        // Only the weeks with practice; every other week must be 0.
        QTest::addColumn<QList<Week>>("practised");

        QTest::addRow("empty journal")
            << QDate(2026, 3, 1) << QList<Day>{} << QDate(2025, 12, 8) << QList<Week>{};
        QTest::addRow("Sunday night and Monday morning are two weeks")
            << QDate(2026, 3, 4)
            << QList<Day>{{at(2026, 3, 1, 23, 59), 600}, {at(2026, 3, 2, 0, 0), 90}}
            << QDate(2025, 12, 15)
            << QList<Week>{{QDate(2026, 2, 23), 10.0}, {QDate(2026, 3, 2), 1.5}};
        QTest::addRow("month end inside one week")
            << QDate(2026, 3, 1)
            << QList<Day>{{at(2026, 2, 23), 300}, {at(2026, 2, 28), 300}, {at(2026, 3, 1), 30}}
            << QDate(2025, 12, 8) << QList<Week>{{QDate(2026, 2, 23), 10.5}};
        QTest::addRow("year end inside one week")
            << QDate(2026, 1, 2)
            << QList<Day>{{at(2025, 12, 29), 1200},
                          {at(2025, 12, 31, 23, 30), 600},
                          {at(2026, 1, 1, 0, 30), 600}}
            << QDate(2025, 10, 13) << QList<Week>{{QDate(2025, 12, 29), 40.0}};
        QTest::addRow("older than twelve weeks, and later than today, are left out")
            << QDate(2026, 3, 1)
            << QList<Day>{{at(2025, 12, 7, 23, 0), 600},
                          {at(2025, 12, 8, 6, 0), 120},
                          {at(2026, 3, 2, 6, 0), 600}}
            << QDate(2025, 12, 8) << QList<Week>{{QDate(2025, 12, 8), 2.0}};
    }
    void minutesPerWeek()
    {
        QFETCH(QDate, today);
        QFETCH(QList<Day>, days);
        QFETCH(QDate, firstMonday);
        QFETCH(QList<Week>, practised);
        const QList<WeekMinutes> weeks = tarvo::practice::minutesPerWeek(journal(days), today);
        QCOMPARE(weeks.size(), 12);
        for (int w = 0; w < weeks.size(); ++w) {
            QCOMPARE(weeks[w].monday, firstMonday.addDays(7 * w));
            double expected = 0;
            for (const auto& [monday, minutes] : practised) {
                if (monday == weeks[w].monday)
                    expected = minutes;
            }
            QCOMPARE(weeks[w].minutes, expected);
        }
    }

    void currentStreak_data()
    {
        QTest::addColumn<QDate>("today");
        QTest::addColumn<QList<Day>>("days");
        QTest::addColumn<int>("streak");

        QTest::addRow("empty journal") << QDate(2026, 3, 1) << QList<Day>{} << 0;
        QTest::addRow("today only") << QDate(2026, 3, 1) << QList<Day>{{at(2026, 3, 1), 60}} << 1;
        QTest::addRow("today not yet, the two days before")
            << QDate(2026, 3, 1) << QList<Day>{{at(2026, 2, 28), 60}, {at(2026, 2, 27), 60}} << 2;
        QTest::addRow("a gap day ends it")
            << QDate(2026, 3, 4)
            << QList<Day>{{at(2026, 3, 4), 60}, {at(2026, 3, 3), 60}, {at(2026, 3, 1), 60}} << 2;
        QTest::addRow("the day before yesterday is too long ago")
            << QDate(2026, 3, 4) << QList<Day>{{at(2026, 3, 2), 60}} << 0;
        QTest::addRow("over the year end, two entries on one day")
            << QDate(2026, 1, 1)
            << QList<Day>{{at(2026, 1, 1, 7), 60},
                          {at(2026, 1, 1, 19), 60},
                          {at(2025, 12, 31), 60},
                          {at(2025, 12, 30, 23, 59), 60}}
            << 3;
        QTest::addRow("over a month end")
            << QDate(2026, 3, 1) << QList<Day>{{at(2026, 3, 1), 60}, {at(2026, 2, 28), 60}} << 2;
        QTest::addRow("a practice stopped at once is no practice")
            << QDate(2026, 3, 1) << QList<Day>{{at(2026, 3, 1), 0}, {at(2026, 2, 28), 60}} << 1;
    }
    void currentStreak()
    {
        QFETCH(QDate, today);
        QFETCH(QList<Day>, days);
        QFETCH(int, streak);
        QCOMPARE(tarvo::practice::currentStreak(journal(days), today), streak);
    }

    void csv_data()
    {
        QTest::addColumn<QList<JournalEntry>>("entries");
        QTest::addColumn<QByteArray>("expected");

        QTest::addRow("empty journal: the header alone") << QList<JournalEntry>{} << kHeader;
        QTest::addRow("plain entries, newest first as given")
            << QList<JournalEntry>{entry(at(2026, 12, 9, 10, 30), PracticeKind::Breathing,
                                         QStringLiteral("Square breath"),
                                         QStringLiteral("8 rounds at 4 s"), 256, true, {}),
                                   entry(at(2026, 1, 2, 6, 5), PracticeKind::Session,
                                         QStringLiteral("Morning"), QStringLiteral("Tadasana"), 75,
                                         false, QStringLiteral("tired"))}
            << kHeader
                   + "2026-12-09,10:30:00,breathing,Square breath,8 rounds at 4 s,256,yes,\r\n"
                     "2026-01-02,06:05:00,session,Morning,Tadasana,75,no,tired\r\n";
        QTest::addRow("commas, quotes and line breaks are quoted")
            << QList<JournalEntry>{entry(at(2026, 3, 1, 7, 0), PracticeKind::Session,
                                         QStringLiteral("Stretch, slowly"),
                                         QStringLiteral("the \"long\" hold"), 60, true,
                                         QStringLiteral("line one\nline two"))}
            << kHeader
                   + "2026-03-01,07:00:00,session,\"Stretch, slowly\",\"the \"\"long\"\" hold\","
                     "60,yes,\"line one\nline two\"\r\n";
        QTest::addRow("formulas are neutralised")
            << QList<JournalEntry>{entry(at(2026, 3, 1, 7, 0), PracticeKind::Session,
                                         QStringLiteral("=HYPERLINK(\"x\")"), QStringLiteral("+1"),
                                         60, true, QStringLiteral("@SUM(A1)")),
                                   entry(at(2026, 3, 1, 6, 0), PracticeKind::Session,
                                         QStringLiteral("-2"), QStringLiteral("a=b"), 60, true,
                                         QStringLiteral("\tx"))}
            << kHeader
                   + "2026-03-01,07:00:00,session,\"'=HYPERLINK(\"\"x\"\")\",'+1,60,yes,'@SUM(A1)"
                     "\r\n"
                     "2026-03-01,06:00:00,session,'-2,a=b,60,yes,'\tx\r\n";
        QTest::addRow("letters beyond ASCII as UTF-8")
            << QList<JournalEntry>{entry(at(2026, 3, 1, 7, 0), PracticeKind::Session,
                                         QStringLiteral("Śavāsana"), {}, 1, true, {})}
            << kHeader
                   + QByteArray("2026-03-01,07:00:00,session,\xc5\x9a"
                                "av\xc4\x81sana,,1,yes,\r\n");
    }
    void csv()
    {
        QFETCH(QList<JournalEntry>, entries);
        QFETCH(QByteArray, expected);
        QCOMPARE(journalCsv(entries), expected);
    }

    void csvWrittenWhole()
    {
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("journal.csv"));
        const QList<JournalEntry> entries{entry(at(2026, 3, 1, 7, 0), PracticeKind::Session,
                                                QStringLiteral("Morning"), {}, 60, true, {})};
        QString error;
        QVERIFY(writeJournalCsv(path, entries, &error));
        QFile file(path);
        QVERIFY(file.open(QIODevice::ReadOnly));
        QCOMPARE(file.readAll(), kHeader + "2026-03-01,07:00:00,session,Morning,,60,yes,\r\n");
    }

    // The disk fills up half-way: the export fails, says why, and the old file stays as it was.
    void failedCsvLeavesTheOldFile()
    {
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("journal.csv"));
        {
            QFile old(path);
            QVERIFY(old.open(QIODevice::WriteOnly));
            old.write("old export\n");
        }
        QList<JournalEntry> entries;
        for (int i = 0; i < 50; ++i)
            entries.append(entry(at(2026, 3, 1, 7, 0), PracticeKind::Session,
                                 QStringLiteral("Morning"), QStringLiteral("a long summary"), 60,
                                 true, {}));
        // A file size limit stands in for a full disk, and holds for root too.
        rlimit previous{};
        QVERIFY(getrlimit(RLIMIT_FSIZE, &previous) == 0);
        const auto previousHandler = std::signal(SIGXFSZ, SIG_IGN);
        rlimit small = previous;
        small.rlim_cur = 512;
        QVERIFY(setrlimit(RLIMIT_FSIZE, &small) == 0);
        QString error;
        const bool written = writeJournalCsv(path, entries, &error);
        setrlimit(RLIMIT_FSIZE, &previous);
        std::signal(SIGXFSZ, previousHandler);
        QVERIFY(!written);
        QVERIFY(!error.isEmpty());
        QFile file(path);
        QVERIFY(file.open(QIODevice::ReadOnly));
        QCOMPARE(file.readAll(), QByteArray("old export\n"));
        QCOMPARE(QDir(dir.path()).entryList(QDir::Files),
                 QStringList{QStringLiteral("journal.csv")});

        QVERIFY(!writeJournalCsv(dir.path(), entries, &error));
        QVERIFY(!error.isEmpty());
    }
};

QTEST_GUILESS_MAIN(tst_PracticeRules)
#include "tst_practicerules.moc"
