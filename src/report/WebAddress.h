#pragma once

#include <QList>
#include <QString>
#include <QUrl>
#include <optional>

namespace tarvo {

struct TextSpan {
    qsizetype start = 0;
    qsizetype length = 0;

    friend bool operator==(const TextSpan&, const TextSpan&) = default;
};

// The web addresses (http://, https://, www.) in a text, as a reader would pick them out:
// up to the next blank, without trailing punctuation.
QList<TextSpan> findWebAddresses(const QString& text);

// The address a link press may open: at most 1024 characters, http or https only.
std::optional<QUrl> linkTarget(const QString& linkText);

} // namespace tarvo
