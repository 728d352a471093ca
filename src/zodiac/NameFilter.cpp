#include "zodiac/NameFilter.h"

#include <algorithm>

namespace tarvo {

FilteredName filterNameText(const QString& text)
{
    FilteredName result;
    result.text.reserve(text.size());
    for (const QChar c : text) {
        const char16_t u = c.unicode();
        if (u >= u'a' && u <= u'z')
            result.text.append(QChar(char16_t(u - 32)));
        else if ((u >= u'A' && u <= u'Z') || u == u' ')
            result.text.append(c);
        else
            result.dropped = true;
    }
    return result;
}

bool isLettersAndBlanks(const QString& text)
{
    return std::all_of(text.cbegin(), text.cend(), [](QChar c) {
        const char16_t u = c.unicode();
        return (u >= u'A' && u <= u'Z') || (u >= u'a' && u <= u'z') || u == u' ';
    });
}

QString nameRejection(const QString& name)
{
    if (!isLettersAndBlanks(name))
        return kOnlyLettersMessage;
    if (name.size() > kMaxNameLength)
        return kNameTooLongMessage;
    return {};
}

} // namespace tarvo
