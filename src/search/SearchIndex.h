#pragma once

#include "search/SearchDocuments.h"

#include <QList>
#include <QString>
#include <memory>

namespace tarvo::search {

// Characters [start, start + length) of a text to show highlighted.
struct TextRange {
    qsizetype start = 0;
    qsizetype length = 0;

    friend bool operator==(const TextRange&, const TextRange&) = default;
};

struct SearchHit {
    SearchKind kind = SearchKind::Article;
    Location location;
    QString place;
    QString title;
    QList<TextRange> titleHighlights;
    // About sixteen words of the original text around the first match in the body (its opening
    // words when only the title matched), on one line.
    QString snippet;
    QList<TextRange> snippetHighlights;
    // The first match in the body: its field ("Procedure"; empty for an article) and character
    // offsets in that field's text and in the whole body; -1 when only the title matched.
    QString field;
    qsizetype fieldOffset = -1;
    qsizetype bodyOffset = -1;
    // That field's whole text, so a window showing the page can find the match in it.
    QString fieldText;
    // The cautions the user's conditions give for the asana the text is about, one a line.
    QStringList cautions;
};

// The library asana a found text is about: a library asana, or one of a sign's or a chakra's
// asanas; empty for any other text.
QString libraryAsanaOf(const SearchHit& hit);

// Full-text search over every teaching text. The index lives in an in-memory SQLite database of
// its own connection and is built from the content on the first search; use it from the
// thread that made it.
class SearchIndex final {
public:
    SearchIndex();
    ~SearchIndex();
    SearchIndex(const SearchIndex&) = delete;
    SearchIndex& operator=(const SearchIndex&) = delete;

    // Best first: a match in the title or a name before a match in the body. The last word
    // also matches as the start of a word; a word of five letters or more (a run of one letter
    // counting once) that matches nothing is read as its nearest indexed word one typing slip
    // away. A query of fewer than three letters once folded finds nothing.
    QList<SearchHit> search(const QString& query, int limit = 50);

    // The documents indexed; builds the index when it is not built yet.
    qsizetype documentCount();

    // Empty unless the database could not be opened or the index not built.
    QString error() const;

    // The body of an indexed document as the offsets of its hits count: its fields' texts
    // joined by a blank line.
    static QString bodyText(const SearchDocument& document);

private:
    struct Private;
    std::unique_ptr<Private> d;
};

} // namespace tarvo::search
