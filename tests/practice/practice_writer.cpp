// Writes to a practice database until it is killed: first the given number of journal entries,
// then long sessions one after another, so that a kill lands in the middle of a session's write.
// practice_writer <database> <entries>
#include "practice/PracticeDatabase.h"

#include <QCoreApplication>
#include <cstdio>

using namespace tarvo::practice;

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    const QStringList args = QCoreApplication::arguments();
    if (args.size() != 3)
        return 2;
    PracticeDatabase::Opening opened = PracticeDatabase::open(args[1]);
    if (!opened.database)
        return 3;
    PracticeDatabase& db = *opened.database;
    const int count = args[2].toInt();
    for (int i = 0; i < count; ++i) {
        JournalEntry entry;
        entry.started = QDateTime(QDate(2026, 3, 1), QTime(6, 0)).addSecs(60 * i);
        entry.title = QStringLiteral("Entry %1").arg(i);
        entry.seconds = i;
        entry.completed = true;
        if (!db.addEntry(entry))
            return 4;
    }
    std::puts("entries");
    std::fflush(stdout);
    Session session;
    for (int i = 0; i < 400; ++i)
        session.steps.append({QStringLiteral("Pose %1").arg(i), i, HoldUnit::Seconds, i % 2 == 0});
    for (int round = 0;; ++round) {
        session.name = QStringLiteral("Long %1").arg(round % 20);
        if (!db.saveSession(session))
            return 5;
        if (round == 0) {
            std::puts("sessions");
            std::fflush(stdout);
        }
    }
}
