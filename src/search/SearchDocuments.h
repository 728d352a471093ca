#pragma once

#include "shell/Location.h"

#include <QList>
#include <QObject>
#include <QString>
#include <QStringList>

namespace tarvo::search {

Q_NAMESPACE

enum class SearchKind { Article, Asana, Zodiac, Chakra };

// The pages a place names after its program and sign ("Zodiac · Leo · Diet",
// "Chakra · Asanas · Ustrasana"), shown by the enumerator's own name.
enum class PlacePart { Characteristics, Health, Diet, Fitness, Asanas, Introduction, Opening };
Q_ENUM_NS(PlacePart)

// One labelled text of a document, e.g. an asana's "Procedure".
struct SearchField {
    QString label;
    QString text;
};

struct SearchDocument {
    SearchKind kind = SearchKind::Article;
    // Where the text is shown: a Zodiac asana on the asanas page of the first sign that
    // recommends it, a chakra asana among the records of every chakra; a sign's health text on
    // its diet page, where it stands.
    Location location;
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
