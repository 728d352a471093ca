#include "zodiac/ZodiacTexts.h"

#include "platform/ContentFile.h"

namespace tarvo {

namespace {

QJsonObject texts()
{
    static const QJsonObject object =
        readContentObject(QStringLiteral(":/content/zodiac/texts.json"));
    return object;
}

} // namespace

QString zodiacIntroduction()
{
    return texts().value(u"introduction").toString();
}

QStringList yogaAsanasTabParagraphs()
{
    return stringList(texts().value(u"yogaAsanasTab"));
}

QString runningOrderAdvice()
{
    return texts().value(u"runningOrder").toString();
}

} // namespace tarvo
