#include "search/SearchText.h"

#include <QStringList>

namespace tarvo::search {

namespace {

bool isWordChar(QChar c)
{
    // Surrogates are kept inside words so that letters outside the basic plane are not split.
    return c.isLetterOrNumber() || c.isMark() || c.isSurrogate();
}

// The consonants whose following h is only the mark of an aspirate (bh, dh, kh ...) or of sh.
bool takesSilentH(QChar c)
{
    switch (c.unicode()) {
    case u'b':
    case u'c':
    case u'd':
    case u'g':
    case u'j':
    case u'k':
    case u'p':
    case u's':
    case u't':
        return true;
    default:
        return false;
    }
}

} // namespace

QString normaliseWord(const QString& word)
{
    // Qt folds case letter by letter, so the one common letter whose folding is two is done here.
    const QString decomposed = word.toCaseFolded()
                                   .replace(u'\u00df', QStringLiteral("ss"))
                                   .normalized(QString::NormalizationForm_KD);
    QString plain;
    plain.reserve(decomposed.size());
    for (QChar c : decomposed) {
        if (c.isLetterOrNumber() || c.isSurrogate())
            plain.append(c == u'w' ? QChar(u'v') : c);
    }

    QString folded;
    folded.reserve(plain.size());
    for (qsizetype i = 0; i < plain.size(); ++i) {
        const QChar c = plain[i];
        if (c == u'h' && !folded.isEmpty() && takesSilentH(folded.back()))
            continue;
        const QChar next = i + 1 < plain.size() ? plain[i + 1] : QChar();
        if (c == u'e' && next == u'e') {
            folded.append(u'i');
            ++i;
            continue;
        }
        if (c == u'o' && next == u'o') {
            folded.append(u'u');
            ++i;
            continue;
        }
        folded.append(c);
    }

    QString single;
    single.reserve(folded.size());
    for (QChar c : folded) {
        if (single.isEmpty() || single.back() != c || c.isDigit())
            single.append(c);
    }
    // "asana" and "asan", "Pranayama" and "Pranayam" are one word; short words keep their a.
    if (single.size() > 3 && single.back() == u'a')
        single.chop(1);
    return single;
}

QList<TextWord> splitWords(const QString& text)
{
    QList<TextWord> words;
    qsizetype i = 0;
    const qsizetype n = text.size();
    while (i < n) {
        while (i < n && !isWordChar(text[i]))
            ++i;
        const qsizetype start = i;
        while (i < n && isWordChar(text[i]))
            ++i;
        if (i > start) {
            QString normalised = normaliseWord(text.mid(start, i - start));
            if (!normalised.isEmpty())
                words.append({start, i - start, std::move(normalised)});
        }
    }
    return words;
}

QString normaliseText(const QString& text)
{
    QStringList parts;
    for (const TextWord& word : splitWords(text))
        parts.append(word.normalised);
    return parts.join(u' ');
}

bool withinOneEdit(const QString& a, const QString& b)
{
    const qsizetype la = a.size();
    const qsizetype lb = b.size();
    if (la == lb) {
        qsizetype first = 0;
        while (first < la && a[first] == b[first])
            ++first;
        if (first == la)
            return true;
        // One substitution, or two neighbours swapped.
        if (a.mid(first + 1) == b.mid(first + 1))
            return true;
        return first + 1 < la && a[first] == b[first + 1] && a[first + 1] == b[first]
               && a.mid(first + 2) == b.mid(first + 2);
    }
    if (la + 1 != lb && lb + 1 != la)
        return false;
    const QString& shorter = la < lb ? a : b;
    const QString& longer = la < lb ? b : a;
    qsizetype first = 0;
    while (first < shorter.size() && shorter[first] == longer[first])
        ++first;
    return QStringView(shorter).mid(first) == QStringView(longer).mid(first + 1);
}

} // namespace tarvo::search
