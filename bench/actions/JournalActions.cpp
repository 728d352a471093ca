#include "actions/ActionTimer.h"
#include "actions/Controls.h"
#include "actions/ProgramUnderTest.h"
#include "actions/Scenarios.h"
#include "app/MainWindow.h"
#include "platform/DataFolder.h"
#include "practice/PracticeStoreOpening.h"

#include <QDir>
#include <QFile>
#include <QSqlDatabase>
#include <QSqlError>
#include <QSqlQuery>
#include <QTextStream>
#include <unistd.h>

namespace tarvo::bench {

namespace {

constexpr qint64 kHourSeconds = 3600;

double residentMiB()
{
    QFile statm(QStringLiteral("/proc/self/statm"));
    if (!statm.open(QIODevice::ReadOnly))
        return 0;
    const QList<QByteArray> fields = statm.readAll().split(' ');
    return fields.size() > 1
               ? double(fields.at(1).toLongLong() * ::sysconf(_SC_PAGESIZE)) / (1024 * 1024)
               : 0;
}

practice::JournalEntry entry(int index, const QDateTime& now)
{
    const bool session = index % 3 != 0;
    practice::JournalEntry made;
    made.started = now.addSecs(-2 * kHourSeconds * (index + 1));
    made.kind = session ? practice::PracticeKind::Session : practice::PracticeKind::Breathing;
    made.title = session ? QStringLiteral("Morning flow") : QStringLiteral("Equal Breathing");
    made.summary = session ? QStringLiteral("Tadasana, Trikonasana, Bhujangasana, Shavasana")
                           : QStringLiteral("12 rounds at 4-4");
    made.seconds = 300 + (index * 37) % 1500;
    made.completed = index % 7 != 0;
    if (index % 10 == 0)
        made.note = QStringLiteral("Felt steady; the hamstrings were tight.");
    return made;
}

bool fail(const QString& why)
{
    QTextStream(stderr) << "tarvo-bench-actions: cannot fill the journal: " << why << Qt::endl;
    return false;
}

} // namespace

bool fillJournal(int entries)
{
    const QDateTime now = QDateTime::currentDateTime();
    const QString folder = programDataFolder();
    {
        // The store makes the file and signs it as the program's journal with its first entry.
        practice::PracticeStoreOpening opening = practice::openPracticeStore(folder, now);
        if (opening.outcome != practice::PracticeStoreOpening::Outcome::Opened)
            return fail(opening.notice);
        practice::JournalEntry first = entry(0, now);
        if (entries > 0 && !opening.store->addEntry(first))
            return fail(opening.store->error());
    }
    // The rest in one transaction: through the store each would wait for the disk.
    const QString connection = QStringLiteral("bench-fill");
    bool filled = true;
    {
        QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), connection);
        db.setDatabaseName(QDir(folder).filePath(QStringLiteral("practice.sqlite")));
        if (!db.open() || !db.transaction())
            return fail(db.lastError().text());
        QSqlQuery insert(db);
        insert.prepare(QStringLiteral(
            "INSERT INTO entries (started, kind, title, summary, seconds, completed, note)"
            " VALUES (?, ?, ?, ?, ?, ?, ?)"));
        for (int i = 1; i < entries && filled; ++i) {
            const practice::JournalEntry made = entry(i, now);
            insert.addBindValue(made.started.toUTC().toString(Qt::ISODateWithMs));
            insert.addBindValue(practice::kindName(made.kind));
            insert.addBindValue(made.title);
            insert.addBindValue(made.summary);
            insert.addBindValue(made.seconds);
            insert.addBindValue(made.completed ? 1 : 0);
            insert.addBindValue(made.note.isNull() ? QStringLiteral("") : made.note);
            filled = insert.exec();
        }
        filled = filled && db.commit();
        if (!filled)
            fail(insert.lastError().text() + db.lastError().text());
        db.close();
    }
    QSqlDatabase::removeDatabase(connection);
    return filled;
}

void timeJournal(TimedApplication& app, int entries, QTextStream& out)
{
    ActionTimer timer(app);
    ProgramUnderTest program;
    MainWindow& window = program.window();
    timer.settle();
    timer.run([&] { program.afterFirstFrame(); });
    const auto openJournal = [&] {
        chooseCommand(&window, QStringLiteral("mnuPractice"), QStringLiteral("mnuJournal"));
    };
    const double before = residentMiB();
    writeMeasure(out, QStringLiteral("journal-%1").arg(entries),
                 timer.time(openJournal, QStringLiteral("frmJournal")));
    writeMeasure(out, QStringLiteral("journal-%1-memory").arg(entries), -1, residentMiB() - before);
}

} // namespace tarvo::bench
