#pragma once

#include "search/SearchIndex.h"

#include <QString>
#include <optional>

namespace tarvo::search {

// Where characters [offset, offset + length) of source stand in shown, a text that holds source
// laid out differently: line breaks, paragraph breaks and runs of blanks may differ, nothing
// else. Nothing when shown does not hold source.
std::optional<TextRange> locateInShown(const QString& shown, const QString& source,
                                       qsizetype offset, qsizetype length);

} // namespace tarvo::search
