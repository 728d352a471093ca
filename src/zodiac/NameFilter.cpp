#include "zodiac/NameFilter.h"

namespace tarvo {

FilteredName filterNameText(const QString& text) {
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

QString nameRejection(const QString& name) {
    for (const QChar c : name) {
        const char16_t u = c.unicode();
        if (!((u >= u'A' && u <= u'Z') || (u >= u'a' && u <= u'z') || u == u' '))
            return kOnlyLettersMessage;
    }
    if (name.size() > kMaxNameLength)
        return kNameTooLongMessage;
    return {};
}

} // namespace tarvo
