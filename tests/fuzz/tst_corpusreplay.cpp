#include "fuzz/FuzzChecks.h"
#include "support/TestMain.h"
#include "zodiac/ZodiacRecordFile.h"

#include <QDir>
#include <QFile>
#include <QStringList>

using namespace tarvo;

namespace {

QString corpusFolder(const QString& target)
{
    return QStringLiteral(TARVO_FUZZ_CORPUS "/") + target;
}

QByteArray fileBytes(const QString& path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return QByteArray();
    return file.readAll();
}

// A hand-made seed says in its name what it must give; a found input only has to give one of
// the stated outcomes without a broken promise.
QString expectedOutcome(const QString& fileName, const QList<QPair<QString, QString>>& prefixes)
{
    for (const auto& [prefix, outcome] : prefixes) {
        if (fileName.startsWith(prefix))
            return outcome;
    }
    return QString();
}

void addCorpusRows(const QString& target, const QList<QPair<QString, QString>>& prefixes)
{
    QTest::addColumn<QString>("path");
    QTest::addColumn<QString>("expected");
    const QDir folder(corpusFolder(target));
    const QStringList names = folder.entryList(QDir::Files, QDir::Name);
    for (const QString& name : names) {
        QTest::newRow(qPrintable(name)) << folder.filePath(name) << expectedOutcome(name, prefixes);
    }
}

const QList<QPair<QString, QString>> kRecordPrefixes = {
    {QStringLiteral("ok-"), QStringLiteral("values")},
    {QStringLiteral("refused-"), QStringLiteral("refused")},
};

const QList<QPair<QString, QString>> kReminderPrefixes = {
    {QStringLiteral("store-"), QStringLiteral("StoreNow")},
    {QStringLiteral("quiet-"), QStringLiteral("StayQuiet")},
    {QStringLiteral("ask-"), QStringLiteral("Ask")},
};

} // namespace

class tst_CorpusReplay : public QObject {
    Q_OBJECT

private slots:
    void init() { test::failOnUnexpectedWarnings(); }

    // An empty or misplaced folder would make the replays below pass without running anything.
    void corpusIsThere_data()
    {
        QTest::addColumn<QString>("target");
        QTest::addColumn<int>("atLeast");
        QTest::newRow("record_reader") << QStringLiteral("record_reader") << 10;
        QTest::newRow("reminder_date") << QStringLiteral("reminder_date") << 10;
    }
    void corpusIsThere()
    {
        QFETCH(QString, target);
        QFETCH(int, atLeast);
        QVERIFY(QDir(corpusFolder(target)).entryList(QDir::Files).size() >= atLeast);
    }

    void recordReader_data() { addCorpusRows(QStringLiteral("record_reader"), kRecordPrefixes); }
    void recordReader()
    {
        QFETCH(QString, path);
        QFETCH(QString, expected);
        const fuzz::Verdict verdict = fuzz::checkRecordBytes(fileBytes(path));
        QVERIFY2(verdict.fault.isEmpty(), qPrintable(verdict.fault));
        QVERIFY2(QStringList({QStringLiteral("values"), QStringLiteral("refused")})
                     .contains(verdict.outcome),
                 qPrintable(verdict.outcome));
        if (!expected.isEmpty())
            QCOMPARE(verdict.outcome, expected);
    }

    void reminderDate_data() { addCorpusRows(QStringLiteral("reminder_date"), kReminderPrefixes); }
    void reminderDate()
    {
        QFETCH(QString, path);
        QFETCH(QString, expected);
        const fuzz::Verdict verdict = fuzz::checkReminderValue(fileBytes(path));
        QVERIFY2(verdict.fault.isEmpty(), qPrintable(verdict.fault));
        QVERIFY2(QStringList({QStringLiteral("StoreNow"), QStringLiteral("StayQuiet"),
                              QStringLiteral("Ask")})
                     .contains(verdict.outcome),
                 qPrintable(verdict.outcome));
        if (!expected.isEmpty())
            QCOMPARE(verdict.outcome, expected);
    }

    // The writer seeds stay what the program writes today, so the corpus follows the format.
    void writerSeedsMatchTheWriter_data()
    {
        QTest::addColumn<QString>("file");
        QTest::addColumn<QString>("name");
        QTest::addColumn<int>("day");
        QTest::addColumn<QString>("month");
        QTest::addColumn<int>("year");
        QTest::newRow("mira patel") << "ok-writer-mira-patel.zoy"
                                    << "MIRA PATEL" << 14 << "March" << 1985;
        QTest::newRow("ana") << "ok-writer-ana.zoy"
                             << "ANA" << 1 << "January" << 2000;
        QTest::newRow("leap day") << "ok-writer-leap-day.zoy"
                                  << "SAM LEE" << 29 << "February" << 1996;
    }
    void writerSeedsMatchTheWriter()
    {
        QFETCH(QString, file);
        QFETCH(QString, name);
        QFETCH(int, day);
        QFETCH(QString, month);
        QFETCH(int, year);
        ZodiacReading reading;
        reading.name = name;
        reading.birthDay = qint16(day);
        reading.birthMonth = month;
        reading.birthYear = qint16(year);
        const QByteArray seed =
            fileBytes(corpusFolder(QStringLiteral("record_reader")) + u'/' + file);
        QCOMPARE(seed, encodeZodiacRecord(reading));
        const auto values = decodeZodiacRecord(seed);
        QVERIFY(values.has_value());
        QCOMPARE(values->name, name);
        QCOMPARE(values->day, QString::number(day));
        QCOMPARE(values->month, month);
        QCOMPARE(values->year, QString::number(year));
    }
};

TARVO_TEST_MAIN(tst_CorpusReplay)
#include "tst_corpusreplay.moc"
