#include "report/PrintablePage.h"

#include "platform/AppInfo.h"

namespace tarvo {

QString pdfFileName(const QString& title)
{
    // Separators and the characters other systems refuse would make a path or an unusable name.
    static const QString refused = QStringLiteral("/\\:*?\"<>|");
    QString name;
    for (const QChar c : title) {
        if (c.category() == QChar::Other_Control || refused.contains(c))
            name += u' ';
        else
            name += c;
    }
    name = name.simplified();
    while (name.startsWith(u'.'))
        name.remove(0, 1);
    if (name.isEmpty())
        name = kAppTitle;
    return name + QStringLiteral(".pdf");
}

} // namespace tarvo
