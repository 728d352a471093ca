#include "search/ShownText.h"

#include <QList>

namespace tarvo::search {

namespace {

bool isSpace(QChar c)
{
    return c.isSpace() || c == QChar::ParagraphSeparator || c == QChar::LineSeparator;
}

// The text with every run of white space as one blank and none at either end, with the place in
// the original of each character kept.
struct Squeezed {
    QString text;
    QList<qsizetype> origin;
    // For each character of the original, the squeezed character it became or stands before.
    QList<qsizetype> target;
};

Squeezed squeeze(const QString& text)
{
    Squeezed s;
    s.text.reserve(text.size());
    s.target.reserve(text.size());
    bool pendingBlank = false;
    for (qsizetype i = 0; i < text.size(); ++i) {
        const QChar c = text.at(i);
        if (isSpace(c)) {
            pendingBlank = !s.text.isEmpty();
            s.target.append(s.text.size());
            continue;
        }
        if (pendingBlank) {
            s.text.append(u' ');
            s.origin.append(i - 1);
            pendingBlank = false;
        }
        s.target.append(s.text.size());
        s.text.append(c);
        s.origin.append(i);
    }
    return s;
}

} // namespace

std::optional<TextRange> locateInShown(const QString& shown, const QString& source,
                                       qsizetype offset, qsizetype length)
{
    if (offset < 0 || length <= 0 || offset + length > source.size() || isSpace(source.at(offset))
        || isSpace(source.at(offset + length - 1)))
        return std::nullopt;
    const Squeezed from = squeeze(source);
    const Squeezed to = squeeze(shown);
    if (from.text.isEmpty())
        return std::nullopt;
    const qsizetype at = to.text.indexOf(from.text);
    if (at < 0)
        return std::nullopt;
    const qsizetype first = at + from.target[offset];
    const qsizetype last = at + from.target[offset + length - 1];
    const qsizetype start = to.origin[first];
    return TextRange{start, to.origin[last] - start + 1};
}

} // namespace tarvo::search
