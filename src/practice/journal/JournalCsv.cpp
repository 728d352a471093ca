#include "practice/journal/JournalCsv.h"

#include <QSaveFile>
#include <QStringList>

namespace tarvo::practice {

namespace {

// A spreadsheet runs a cell that starts with one of these as a formula; a leading apostrophe
// makes it plain text again.
bool startsFormula(const QString& cell)
{
    static const QString starters = QStringLiteral("=+-@\t\r");
    return !cell.isEmpty() && starters.contains(cell.front());
}

QString csvCell(const QString& text)
{
    QString cell = startsFormula(text) ? u'\'' + text : text;
    if (cell.contains(u',') || cell.contains(u'"') || cell.contains(u'\n')
        || cell.contains(u'\r')) {
        cell.replace(QStringLiteral("\""), QStringLiteral("\"\""));
        cell = u'"' + cell + u'"';
    }
    return cell;
}

QString csvRow(const QStringList& cells)
{
    QStringList quoted;
    for (const QString& cell : cells)
        quoted.append(csvCell(cell));
    return quoted.join(u',') + QStringLiteral("\r\n");
}

} // namespace

QByteArray journalCsv(const QList<JournalEntry>& entries)
{
    QString text =
        csvRow({QStringLiteral("Date"), QStringLiteral("Time"), QStringLiteral("Kind"),
                QStringLiteral("Title"), QStringLiteral("Summary"), QStringLiteral("Seconds"),
                QStringLiteral("Completed"), QStringLiteral("Note")});
    for (const JournalEntry& entry : entries) {
        const QDateTime local = entry.started.toLocalTime();
        text += csvRow(
            {local.date().toString(Qt::ISODate), local.time().toString(QStringLiteral("HH:mm:ss")),
             kindName(entry.kind), entry.title, entry.summary, QString::number(entry.seconds),
             entry.completed ? QStringLiteral("yes") : QStringLiteral("no"), entry.note});
    }
    return text.toUtf8();
}

bool writeJournalCsv(const QString& path, const QList<JournalEntry>& entries, QString* error)
{
    QSaveFile file(path);
    const QByteArray bytes = journalCsv(entries);
    // commit() alone passes over a write that fails while the buffer is flushed (a full disk
    // after the first bytes), and would put a cut-off file in place of the old one.
    if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size() || !file.flush()
        || !file.commit()) {
        if (error)
            *error = file.errorString();
        return false;
    }
    return true;
}

} // namespace tarvo::practice
