#include "platform/UserText.h"

namespace tarvo {

QString isolated(const QString& userText)
{
    constexpr char16_t kLeftToRightIsolate = u'\u2066';
    constexpr char16_t kRightToLeftIsolate = u'\u2067';
    constexpr char16_t kFirstStrongIsolate = u'\u2068';
    constexpr char16_t kPopIsolate = u'\u2069';
    QString text;
    text.reserve(userText.size() + 2);
    text.append(QChar(kFirstStrongIsolate));
    // The text's own isolates are kept balanced: a pop without its opening would close this
    // isolate early, and an opening never popped would swallow the closing one.
    qsizetype open = 0;
    for (const QChar c : userText) {
        const char16_t unit = c.unicode();
        if (unit == kLeftToRightIsolate || unit == kRightToLeftIsolate
            || unit == kFirstStrongIsolate) {
            ++open;
        } else if (unit == kPopIsolate) {
            if (open == 0)
                continue;
            --open;
        }
        text.append(c);
    }
    text.append(QString(open + 1, QChar(kPopIsolate)));
    return text;
}

} // namespace tarvo
