#include "practice/PracticeFileJudge.h"

#include "practice/PracticeDatabase.h"
#include "practice/PracticeSchema.h"

#include <QAtomicInt>
#include <QFile>
#include <QFileInfo>
#include <QSqlDatabase>
#include <QSqlQuery>
#include <QTemporaryDir>
#include <QUrl>

namespace tarvo::practice {

namespace {

using Verdict = PracticeFileJudgement::Verdict;

constexpr int kSqliteCorrupt = 11;
constexpr int kSqliteNotADatabase = 26;

// The companions that change what SQLite reads from the file: its write-ahead log, or the
// rollback journal of a write cut short.
const QStringList kLogs = {QStringLiteral("-wal"), QStringLiteral("-journal")};

// A rollback journal that restores nothing: its write committed (SQLite zeroes the header
// before it deletes the file), or the file had no pages before the write it guarded.
bool isRollbackOfNothing(const QString& path)
{
    if (QFileInfo(path + QStringLiteral("-wal")).size() > 0)
        return false;
    QFile rollback(path + QStringLiteral("-journal"));
    if (!rollback.open(QIODevice::ReadOnly))
        return false;
    const QByteArray header = rollback.read(20);
    static const QByteArray kMagic = QByteArray::fromHex("d9d505f920a163d7");
    if (header.size() < 20)
        return false;
    return header.startsWith(QByteArray(8, '\0'))
           || (header.startsWith(kMagic) && header.mid(16, 4) == QByteArray(4, '\0'));
}

bool hasLog(const QString& path)
{
    for (const QString& suffix : kLogs) {
        if (QFileInfo(path + suffix).size() > 0)
            return true;
    }
    return false;
}

bool hasDatabaseHeader(const QString& path)
{
    static const QByteArray magic("SQLite format 3", 16);
    QFile file(path);
    return file.open(QIODevice::ReadOnly) && file.read(magic.size()) == magic;
}

// One database as SQLite reads it.
struct Look {
    PracticeFileJudgement judgement;
    // PRAGMA application_id, which the program sets in every write: 0 until it has one.
    qint32 identity = 0;
};

Look judged(Verdict verdict, const QString& reason, const QString& details = {})
{
    return {{verdict, reason, details}, 0};
}

// SQLite reading a damaged file says so by its code; any other failure is the disk's or the
// system's, and says nothing about the file.
Look failed(const QSqlError& error)
{
    const int code = error.nativeErrorCode().toInt() & 0xff;
    if (code == kSqliteCorrupt || code == kSqliteNotADatabase)
        return judged(Verdict::Damaged, QStringLiteral("it is damaged"), error.text());
    return judged(Verdict::Unknown, QStringLiteral("it could not be read"), error.text());
}

// Every row of the first column, one per line: quick_check gives a row per problem.
QString lines(QSqlDatabase& db, const QString& sql, QSqlError& error)
{
    QStringList found;
    QSqlQuery query(db);
    query.setForwardOnly(true);
    if (!query.exec(sql))
        error = query.lastError();
    while (!error.isValid() && query.next())
        found.append(query.value(0).toString());
    if (!error.isValid() && query.lastError().isValid())
        error = query.lastError();
    return found.join(u'\n');
}

Look lookInto(QSqlDatabase& db, CheckDepth depth)
{
    if (!db.open())
        return failed(db.lastError());
    QSqlError error;
    const int version = lines(db, QStringLiteral("PRAGMA user_version"), error).toInt();
    const qint32 identity =
        error.isValid() ? 0 : lines(db, QStringLiteral("PRAGMA application_id"), error).toInt();
    if (error.isValid())
        return failed(error);
    const auto with = [identity](Look found) {
        found.identity = identity;
        return found;
    };
    if (version > PracticeDatabase::kSchemaVersion)
        return with(judged(Verdict::TooNew,
                           QStringLiteral("its layout is version %1; this program knows up to %2")
                               .arg(version)
                               .arg(PracticeDatabase::kSchemaVersion)));
    if (depth == CheckDepth::WholeFile) {
        const QString check = lines(db, QStringLiteral("PRAGMA quick_check"), error);
        if (error.isValid())
            return failed(error);
        if (check != QLatin1String("ok"))
            return judged(Verdict::Damaged, QStringLiteral("it is damaged"), check);
    }
    const int tables =
        lines(db, QStringLiteral("SELECT count(*) FROM sqlite_master"), error).toInt();
    if (error.isValid())
        return failed(error);
    // A file without a layout version that already holds tables belongs to something else.
    if (version == 0 && tables > 0)
        return judged(Verdict::Damaged, QStringLiteral("it is not a practice journal"));
    if (version > 0) {
        if (const QSqlError missing = practiceLayoutProblem(db, version); missing.isValid())
            return judged(Verdict::Damaged, QStringLiteral("part of it is missing"),
                          missing.text());
    }
    return with(judged(Verdict::Sound, {}));
}

Look look(const QString& databaseName, const QString& options, CheckDepth depth)
{
    static QAtomicInt counter;
    const QString connection =
        QStringLiteral("practice-judge-%1").arg(counter.fetchAndAddRelaxed(1));
    Look result;
    {
        QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), connection);
        db.setDatabaseName(databaseName);
        db.setConnectOptions(options);
        result = lookInto(db, depth);
        db.close();
    }
    QSqlDatabase::removeDatabase(connection);
    return result;
}

// The file alone, as its bytes are: immutable, SQLite takes no lock, reads no log and makes no
// file beside it.
Look lookAtFileAlone(const QString& path, CheckDepth depth)
{
    return look(QUrl::fromLocalFile(path).toString(QUrl::FullyEncoded)
                    + QStringLiteral("?immutable=1"),
                QStringLiteral("QSQLITE_OPEN_URI;QSQLITE_OPEN_READONLY"), depth);
}

bool copyFile(const QString& from, const QString& to, QString& why)
{
    QFile in(from);
    QFile out(to);
    if (!in.open(QIODevice::ReadOnly)) {
        why = QStringLiteral("%1: %2").arg(from, in.errorString());
        return false;
    }
    if (!out.open(QIODevice::WriteOnly)) {
        why = QStringLiteral("%1: %2").arg(to, out.errorString());
        return false;
    }
    while (!in.atEnd()) {
        const QByteArray block = in.read(1 << 16);
        if (block.isEmpty() || out.write(block) != block.size()) {
            why = in.error() != QFile::NoError
                      ? QStringLiteral("%1: %2").arg(from, in.errorString())
                      : QStringLiteral("%1: %2").arg(to, out.errorString());
            return false;
        }
    }
    if (!out.flush()) {
        why = QStringLiteral("%1: %2").arg(to, out.errorString());
        return false;
    }
    return true;
}

// The file with its log, as SQLite would read them: on a private copy, since reading a log
// means SQLite writing its index beside it and folding the log into the file when it closes.
Look lookAtFileWithLog(const QString& path)
{
    const QTemporaryDir copy;
    if (!copy.isValid())
        return judged(Verdict::Unknown, QStringLiteral("it could not be copied to be checked"),
                      copy.errorString());
    const QString copied = copy.filePath(QStringLiteral("practice.sqlite"));
    for (const QString& suffix : QStringList{QString()} + kLogs) {
        QString why;
        if (QFileInfo::exists(path + suffix) && !copyFile(path + suffix, copied + suffix, why))
            return judged(Verdict::Unknown, QStringLiteral("it could not be copied to be checked"),
                          why);
    }
    return look(copied, {}, CheckDepth::WholeFile);
}

} // namespace

PracticeFileJudgement judgePracticeFile(const QString& path, CheckDepth depth)
{
    const QFileInfo info(path);
    const bool logged = hasLog(path);
    const PracticeFileJudgement foreignLog{
        Verdict::ForeignLog, QStringLiteral("its write-ahead log belongs to another database"), {}};
    // SQLite drops a log it finds beside an empty file: it cannot be that file's. A start killed
    // while it made the journal leaves the rollback journal of a file that had no pages, which
    // holds nothing of any database.
    if (!info.exists() || info.size() == 0)
        return logged && !isRollbackOfNothing(path) ? foreignLog
                                                    : PracticeFileJudgement{Verdict::Empty, {}, {}};
    if (!hasDatabaseHeader(path))
        return {Verdict::Damaged, QStringLiteral("it is not a database"), {}};
    const Look alone = lookAtFileAlone(path, logged ? CheckDepth::WholeFile : depth);
    if (!logged)
        return alone.judgement;
    const Look whole = lookAtFileWithLog(path);
    if (alone.judgement.verdict == Verdict::Sound) {
        // Every write of the program puts the journal's identity in the log; a log that brings
        // another, or spoils a sound file, is not this journal's.
        const bool otherIdentity = alone.identity != 0 && whole.identity != alone.identity;
        const Verdict verdict = whole.judgement.verdict;
        if (verdict == Verdict::Damaged
            || ((verdict == Verdict::Sound || verdict == Verdict::TooNew) && otherIdentity)) {
            PracticeFileJudgement judgement = foreignLog;
            judgement.details = whole.judgement.details;
            return judgement;
        }
    }
    return whole.judgement;
}

} // namespace tarvo::practice
