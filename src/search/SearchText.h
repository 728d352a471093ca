#pragma once

#include <QList>
#include <QString>

namespace tarvo::search {

// One word of a text: where it stands in the original and the form it is indexed and looked up
// under.
struct TextWord {
    qsizetype start = 0;
    qsizetype length = 0;
    QString normalised;
};

// The form a single word is indexed under, so that the spellings learners meet for one Sanskrit
// name meet in one form: case folded, accents and other marks dropped, w read as v, the h of an
// aspirate or of sh dropped, ee read as i and oo as u, doubled letters single, and a final a
// dropped ("Savaasanaa", "Shavasana" and "śavāsana" are all "savasan").
QString normaliseWord(const QString& word);

// The words of a text: runs of letters, digits and marks; everything else separates them.
QList<TextWord> splitWords(const QString& text);

// The normalised words of a text joined by single blanks, as the index stores it.
QString normaliseText(const QString& text);

// True when one insertion, deletion, substitution or swap of two neighbours turns a into b.
bool withinOneEdit(const QString& a, const QString& b);

} // namespace tarvo::search
