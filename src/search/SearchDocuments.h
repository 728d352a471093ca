#pragma once

#include <QList>
#include <QString>
#include <QStringList>

namespace tarvo::search {

enum class SearchKind { Article, Asana, Zodiac, Chakra };

// What a window needs to open a found text:
// - Article: name is the article button ("Command63").
// - Asana: name is the library name ("Shavasana"), number its catalogue number (1..32).
// - Zodiac: name is the sign ("Leo"), part the tab: "Characteristics", "Health", "Diet",
//   "Fitness", or "Asanas" with number the Zodiac asana index (1..14) and name the first sign
//   that recommends it.
// - Chakra: name is the chakra's short name ("Heart"), part "About" or "Opening"; part "Asanas"
//   with number the chakra asana record (0..10) and name the first chakra it serves; part
//   "Introduction" with no name for the two paragraphs that introduce chakras.
struct SearchKey {
    QString name;
    QString part;
    int number = 0;

    friend bool operator==(const SearchKey&, const SearchKey&) = default;
};

// One labelled text of a document, e.g. an asana's "Procedure".
struct SearchField {
    QString label;
    QString text;
};

struct SearchDocument {
    SearchKind kind = SearchKind::Article;
    SearchKey key;
    QString place; // "Asana · Bhujangasana", "Zodiac · Leo · Diet"
    QString title;
    QStringList names; // English and alternative names, matched like the title
    QList<SearchField> fields;
    // Below 1 for a sign's or chakra's copy of a library asana, so the library page comes first
    // when both match alike.
    double rankWeight = 1.0;
};

// Every teaching text of the program: the Learn Yoga articles, the asana library, the Zodiac
// sign texts and asanas, the chakra texts and asanas, with the alternative names of
// content/search/synonyms.json. Reads the content on the first call of each loader.
QList<SearchDocument> teachingDocuments();

// The text shown for a document's kind ("Asana", "Zodiac" ...).
QString kindName(SearchKind kind);

} // namespace tarvo::search
