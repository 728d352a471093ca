#include "search/SearchIndex.h"

#include "asanas/AsanaCatalogue.h"
#include "chakra/ChakraAsanas.h"
#include "search/SearchText.h"
#include "zodiac/ZodiacAsanas.h"

#include <QHash>
#include <QSet>
#include <QSqlDatabase>
#include <QSqlError>
#include <QSqlQuery>
#include <QStringList>
#include <QVariant>
#include <algorithm>
#include <atomic>

namespace tarvo::search {

namespace {

const QString kFieldSeparator = QStringLiteral("\n\n");
constexpr int kSnippetWords = 16;
constexpr int kSnippetLead = 5;
constexpr int kTypoMinLength = 5;
// Fewer letters than this, once folded, say too little to look for or to correct.
constexpr int kMinLetters = 3;
// bm25 weights of the title and body columns: a name outranks any amount of body text.
constexpr double kTitleWeight = 10.0;
constexpr double kBodyWeight = 1.0;

struct IndexedWord {
    qsizetype start = 0;
    qsizetype length = 0;
    int id = 0;
};

struct IndexedDocument {
    SearchDocument source;
    QString body;
    QList<qsizetype> fieldStarts;
    QList<IndexedWord> bodyWords;
    QList<IndexedWord> titleWords; // of the shown title only, for its highlights
    QSet<int> nameIds;             // title and every name
};

struct QueryTerm {
    QString word;
    bool prefix = false;
    QSet<int> ids; // indexed words it matches
};

QString connectionName()
{
    static std::atomic<int> next{0};
    return QStringLiteral("tarvo-search-%1").arg(next++);
}

// A term as FTS5 reads it: always a quoted string, so no operator, column filter or quote of
// the user's ever reaches the query syntax.
QString ftsTerm(const QueryTerm& term)
{
    QString quoted = term.word;
    quoted.replace(u'"', QStringLiteral("\"\""));
    return u'"' + quoted + u'"' + (term.prefix ? QStringLiteral("*") : QString());
}

// The letters of a word as typed, a run of one letter counted once: a key held down ("xxxxx")
// types one letter, not a word long enough for a slip to be forgiven.
qsizetype typedLetters(QStringView word)
{
    qsizetype count = 0;
    QChar previous;
    for (const QChar c : word) {
        if (c.isMark())
            continue;
        const QChar folded = c.toCaseFolded();
        if (folded != previous)
            ++count;
        previous = folded;
    }
    return count;
}

QString oneLine(QString text)
{
    for (QChar& c : text) {
        if (c == u'\r' || c == u'\n' || c == u'\t')
            c = u' ';
    }
    return text;
}

} // namespace

struct SearchIndex::Private {
    QString connection = connectionName();
    bool built = false;
    QString error;
    QList<IndexedDocument> documents;
    QHash<QString, int> ids;
    QStringList words;
    QList<int> documentFrequency;
    QList<int> sortedIds;

    int intern(const QString& word)
    {
        const auto found = ids.constFind(word);
        if (found != ids.constEnd())
            return *found;
        const int id = int(words.size());
        ids.insert(word, id);
        words.append(word);
        documentFrequency.append(0);
        return id;
    }

    QList<IndexedWord> indexWords(const QString& text, QStringList& normalised)
    {
        QList<IndexedWord> out;
        for (const TextWord& w : splitWords(text)) {
            out.append({w.start, w.length, intern(w.normalised)});
            normalised.append(w.normalised);
        }
        return out;
    }

    void build();
    QueryTerm resolve(const TextWord& typed, qsizetype typedLetters, bool last) const;
    SearchHit hitFor(const IndexedDocument& doc, const QSet<int>& matched) const;
};

void SearchIndex::Private::build()
{
    built = true;
    QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), connection);
    db.setDatabaseName(QStringLiteral(":memory:"));
    if (!db.open()) {
        error = db.lastError().text();
        return;
    }
    QSqlQuery create(db);
    if (!create.exec(QStringLiteral("CREATE VIRTUAL TABLE search_fts USING fts5("
                                    "title, body, tokenize = 'unicode61 remove_diacritics 0')"))) {
        error = create.lastError().text();
        return;
    }

    const QList<SearchDocument> sources = teachingDocuments();
    db.transaction();
    QSqlQuery insert(db);
    insert.prepare(QStringLiteral("INSERT INTO search_fts(rowid, title, body) VALUES (?, ?, ?)"));
    for (const SearchDocument& source : sources) {
        IndexedDocument doc;
        doc.source = source;
        QStringList bodyParts;
        for (const SearchField& field : source.fields) {
            if (!doc.body.isEmpty())
                doc.body += kFieldSeparator;
            doc.fieldStarts.append(doc.body.size());
            doc.body += field.text;
        }
        doc.bodyWords = indexWords(doc.body, bodyParts);

        QStringList titleParts;
        doc.titleWords = indexWords(source.title, titleParts);
        for (const IndexedWord& w : std::as_const(doc.titleWords))
            doc.nameIds.insert(w.id);
        for (const QString& name : source.names) {
            for (const IndexedWord& w : indexWords(name, titleParts))
                doc.nameIds.insert(w.id);
        }

        QSet<int> seen = doc.nameIds;
        for (const IndexedWord& w : std::as_const(doc.bodyWords))
            seen.insert(w.id);
        for (int id : std::as_const(seen))
            ++documentFrequency[id];

        insert.addBindValue(documents.size());
        insert.addBindValue(titleParts.join(u' '));
        insert.addBindValue(bodyParts.join(u' '));
        if (!insert.exec()) {
            error = insert.lastError().text();
            db.rollback();
            documents.clear();
            return;
        }
        documents.append(std::move(doc));
    }
    db.commit();

    sortedIds.resize(words.size());
    for (int i = 0; i < int(words.size()); ++i)
        sortedIds[i] = i;
    std::sort(sortedIds.begin(), sortedIds.end(),
              [this](int a, int b) { return words[a] < words[b]; });
}

QueryTerm SearchIndex::Private::resolve(const TextWord& typed, qsizetype typedLetters,
                                        bool last) const
{
    QueryTerm term{typed.normalised, last, {}};
    const auto exact = ids.constFind(term.word);
    if (exact != ids.constEnd())
        term.ids.insert(*exact);
    if (last) {
        auto it = std::lower_bound(sortedIds.begin(), sortedIds.end(), term.word,
                                   [this](int id, const QString& w) { return words[id] < w; });
        for (; it != sortedIds.end() && words[*it].startsWith(term.word); ++it)
            term.ids.insert(*it);
    }
    if (!term.ids.isEmpty() || typedLetters < kTypoMinLength || term.word.size() < kMinLetters)
        return term;

    // One slip forgiven: the most widely used indexed word one edit away.
    int best = -1;
    for (int id = 0; id < int(words.size()); ++id) {
        const QString& candidate = words[id];
        if (std::abs(candidate.size() - term.word.size()) > 1
            || !withinOneEdit(candidate, term.word))
            continue;
        if (best < 0 || documentFrequency[id] > documentFrequency[best]
            || (documentFrequency[id] == documentFrequency[best] && candidate < words[best]))
            best = id;
    }
    if (best >= 0)
        term = QueryTerm{words[best], false, {best}};
    return term;
}

SearchHit SearchIndex::Private::hitFor(const IndexedDocument& doc, const QSet<int>& matched) const
{
    SearchHit hit;
    hit.kind = doc.source.kind;
    hit.location = doc.source.location;
    hit.place = doc.source.place;
    hit.title = doc.source.title;
    for (const IndexedWord& w : doc.titleWords) {
        if (matched.contains(w.id))
            hit.titleHighlights.append({w.start, w.length});
    }

    const QList<IndexedWord>& bodyWords = doc.bodyWords;
    if (bodyWords.isEmpty())
        return hit;
    qsizetype first = -1;
    for (qsizetype i = 0; i < bodyWords.size() && first < 0; ++i) {
        if (matched.contains(bodyWords[i].id))
            first = i;
    }

    // The snippet stays inside the field of the match.
    const qsizetype anchor = first < 0 ? 0 : bodyWords[first].start;
    const auto fieldIt = std::upper_bound(doc.fieldStarts.begin(), doc.fieldStarts.end(), anchor);
    const qsizetype field = qMax<qsizetype>(0, (fieldIt - doc.fieldStarts.begin()) - 1);
    const qsizetype fieldStart = doc.fieldStarts.value(field);
    const qsizetype fieldEnd =
        field + 1 < doc.fieldStarts.size() ? doc.fieldStarts[field + 1] : doc.body.size();
    qsizetype fieldFirst = 0;
    while (fieldFirst < bodyWords.size() && bodyWords[fieldFirst].start < fieldStart)
        ++fieldFirst;
    qsizetype fieldLast = fieldFirst; // one past the field's last word
    while (fieldLast < bodyWords.size() && bodyWords[fieldLast].start < fieldEnd)
        ++fieldLast;

    const qsizetype match = first < 0 ? fieldFirst : first;
    qsizetype from = qMax(fieldFirst, match - kSnippetLead);
    const qsizetype to = qMin(fieldLast, from + kSnippetWords);
    from = qMax(fieldFirst, to - kSnippetWords);
    if (from >= to)
        return hit;

    const qsizetype textStart = bodyWords[from].start;
    const qsizetype textEnd = bodyWords[to - 1].start + bodyWords[to - 1].length;
    const QString lead = from > fieldFirst ? QStringLiteral("\u2026 ") : QString();
    hit.snippet = lead + oneLine(doc.body.mid(textStart, textEnd - textStart))
                  + (to < fieldLast ? QStringLiteral(" \u2026") : QString());
    for (qsizetype i = from; i < to; ++i) {
        if (matched.contains(bodyWords[i].id))
            hit.snippetHighlights.append(
                {bodyWords[i].start - textStart + lead.size(), bodyWords[i].length});
    }
    if (first >= 0) {
        hit.field = doc.source.fields.value(field).label;
        hit.fieldText = doc.source.fields.value(field).text;
        hit.bodyOffset = bodyWords[first].start;
        hit.fieldOffset = hit.bodyOffset - fieldStart;
    }
    return hit;
}

SearchIndex::SearchIndex()
    : d(std::make_unique<Private>())
{
}

SearchIndex::~SearchIndex()
{
    const QString connection = d->connection;
    const bool built = d->built;
    d.reset();
    if (built) {
        QSqlDatabase::database(connection, false).close();
        QSqlDatabase::removeDatabase(connection);
    }
}

QString SearchIndex::bodyText(const SearchDocument& document)
{
    QStringList texts;
    for (const SearchField& field : document.fields)
        texts.append(field.text);
    return texts.join(kFieldSeparator);
}

qsizetype SearchIndex::documentCount()
{
    if (!d->built)
        d->build();
    return d->documents.size();
}

QString SearchIndex::error() const
{
    return d->error;
}

QList<SearchHit> SearchIndex::search(const QString& query, int limit)
{
    const QList<TextWord> typed = splitWords(query);
    qsizetype letters = 0;
    for (const TextWord& word : typed)
        letters += word.normalised.size();
    if (letters < kMinLetters || limit <= 0)
        return {};
    if (!d->built)
        d->build();
    if (!d->error.isEmpty())
        return {};

    QList<QueryTerm> terms;
    QSet<int> matched;
    for (qsizetype i = 0; i < typed.size(); ++i) {
        const QStringView word = QStringView(query).mid(typed[i].start, typed[i].length);
        QueryTerm term = d->resolve(typed[i], typedLetters(word), i + 1 == typed.size());
        matched.unite(term.ids);
        terms.append(std::move(term));
    }

    struct Ranked {
        int document;
        bool inTitle;
        double score;
    };
    QList<Ranked> ranked;
    QSqlDatabase db = QSqlDatabase::database(d->connection, false);
    const auto run = [&](const QString& joiner) {
        QStringList parts;
        for (const QueryTerm& term : std::as_const(terms))
            parts.append(ftsTerm(term));
        QSqlQuery select(db);
        select.setForwardOnly(true);
        select.prepare(QStringLiteral("SELECT rowid, bm25(search_fts, %1, %2) FROM search_fts "
                                      "WHERE search_fts MATCH ?")
                           .arg(kTitleWeight)
                           .arg(kBodyWeight));
        select.addBindValue(parts.join(joiner));
        if (!select.exec())
            return;
        while (select.next()) {
            const int document = select.value(0).toInt();
            if (document < 0 || document >= d->documents.size())
                continue;
            const IndexedDocument& doc = d->documents[document];
            bool inTitle = true;
            for (const QueryTerm& term : std::as_const(terms)) {
                if (!term.ids.intersects(doc.nameIds)) {
                    inTitle = false;
                    break;
                }
            }
            ranked.append({document, inTitle, select.value(1).toDouble() * doc.source.rankWeight});
        }
    };
    run(QStringLiteral(" "));
    // Nothing has every word: the texts with most of them are still worth showing.
    if (ranked.isEmpty() && terms.size() > 1)
        run(QStringLiteral(" OR "));

    // bm25 is negative, lower is better.
    std::sort(ranked.begin(), ranked.end(), [](const Ranked& a, const Ranked& b) {
        if (a.inTitle != b.inTitle)
            return a.inTitle;
        if (a.score != b.score)
            return a.score < b.score;
        return a.document < b.document;
    });
    QList<SearchHit> hits;
    for (qsizetype i = 0; i < ranked.size() && i < limit; ++i)
        hits.append(d->hitFor(d->documents[ranked[i].document], matched));
    return hits;
}

QString libraryAsanaOf(const SearchHit& hit)
{
    if (const auto* asana = std::get_if<AsanaLocation>(&hit.location))
        return asana->name;
    if (const auto* sign = std::get_if<ZodiacLocation>(&hit.location))
        return sign->asana ? libraryAsanaName(zodiacAsanaName(*sign->asana)) : QString();
    if (const auto* chakra = std::get_if<ChakraAsanaLocation>(&hit.location)) {
        if (chakra->asana < 0 || chakra->asana >= chakraYogaAsanas().size())
            return {};
        return libraryAsanaName(chakraYogaAsanas().at(chakra->asana).name);
    }
    return {};
}

} // namespace tarvo::search
