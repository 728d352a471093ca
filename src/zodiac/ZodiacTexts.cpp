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

QString herbCaution(const QString& remedies)
{
    QStringList line;
    const QJsonObject warnings = texts().value(u"herbWarnings").toObject();
    for (auto it = warnings.begin(); it != warnings.end(); ++it) {
        if (remedies.contains(it.key(), Qt::CaseInsensitive))
            line.append(it.value().toString());
    }
    line.append(texts().value(u"herbCaution").toString());
    return line.join(u' ');
}

} // namespace tarvo
