#include "report/WebAddress.h"

#include <QRegularExpression>

namespace tarvo {

namespace {
constexpr qsizetype kMaxLinkLength = 1024;
}

QList<TextSpan> findWebAddresses(const QString& text)
{
    static const QRegularExpression address(
        QStringLiteral(R"((?<![\w.@/])(?:https?://|www\.)[^\s<>"]+)"),
        QRegularExpression::CaseInsensitiveOption);
    static const QString trailing = QStringLiteral(".,;:!?)]}'");

    QList<TextSpan> spans;
    auto matches = address.globalMatch(text);
    while (matches.hasNext()) {
        const QRegularExpressionMatch match = matches.next();
        qsizetype length = match.capturedLength();
        while (length > 0 && trailing.contains(text.at(match.capturedStart() + length - 1)))
            --length;
        if (length > 4)
            spans.append({match.capturedStart(), length});
    }
    return spans;
}

std::optional<QUrl> linkTarget(const QString& linkText)
{
    QString text = linkText.left(kMaxLinkLength).trimmed();
    if (text.startsWith(QLatin1String("www."), Qt::CaseInsensitive))
        text.prepend(QLatin1String("http://"));
    const QUrl url(text, QUrl::StrictMode);
    if (!url.isValid() || url.host().isEmpty())
        return std::nullopt;
    const QString scheme = url.scheme().toLower();
    if (scheme != QLatin1String("http") && scheme != QLatin1String("https"))
        return std::nullopt;
    return url;
}

} // namespace tarvo
