#include "zodiac/ZodiacRecordFile.h"

#include "zodiac/NameFilter.h"

#include <QFile>
#include <QFileInfo>
#include <QSaveFile>

namespace tarvo {

namespace {

QString shifted(const QString& text, int by)
{
    QString out;
    out.reserve(text.size());
    for (const QChar c : text) {
        if (c.unicode() > 0xFF) {
            out.append(u'?');
            continue;
        }
        const int code = (int(c.unicode()) + by + 256) % 256;
        out.append(QChar(char16_t(code)));
    }
    return out;
}

} // namespace

QString scrambleText(const QString& text)
{
    return shifted(text, kScrambleOffset);
}

QString unscrambleText(const QString& text)
{
    return shifted(text, -kScrambleOffset);
}

QByteArray encodeZodiacRecord(const ZodiacReading& reading)
{
    const QString values[] = {reading.name, QString::number(reading.birthDay), reading.birthMonth,
                              QString::number(reading.birthYear)};
    QByteArray bytes;
    for (const QString& value : values) {
        bytes += scrambleText(value).toLatin1();
        bytes += "\r\n";
    }
    return bytes;
}

bool writeZodiacRecord(const QString& path, const ZodiacReading& reading, QString* errorText)
{
    const QByteArray bytes = encodeZodiacRecord(reading);
    // A record the reader would refuse is worse than none: the user believes it is kept.
    const std::optional<ZodiacRecordValues> back = decodeZodiacRecord(bytes);
    if (!back || back->name != reading.name || back->day != QString::number(reading.birthDay)
        || back->month != reading.birthMonth || back->year != QString::number(reading.birthYear)) {
        if (errorText)
            *errorText = kUnreadableRecordReason;
        return false;
    }
    QSaveFile file(path);
    // commit() does not see a failure of its own final flush (a full disk) and would replace
    // the old file with an empty one, so the flush is checked first.
    const bool ok = file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size()
                    && file.flush() && file.commit();
    if (!ok && errorText)
        *errorText = file.errorString();
    return ok;
}

bool hasRecordExtension(const QString& path)
{
    return path.size() >= 3 && path.right(3) == u"zoy";
}

std::optional<ZodiacRecordValues> decodeZodiacRecord(const QByteArray& content)
{
    if (content.size() > kMaxRecordFileSize)
        return std::nullopt;
    // Lines may end in CR LF, LF or CR, as any text reader accepts them.
    QString text = QString::fromLatin1(content);
    text.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    text.replace(u'\r', u'\n');
    QStringList lines = text.split(u'\n');
    if (text.endsWith(u'\n'))
        lines.removeLast();
    const auto line = [&lines](int i) {
        return i < lines.size() ? unscrambleText(lines.at(i)) : QString();
    };
    // A record without a name or a date would show a reading nobody asked for.
    if (lines.size() < 4)
        return std::nullopt;
    ZodiacRecordValues values{line(0), line(1), line(2), line(3)};
    if (values.name.trimmed().isEmpty() || !isLettersAndBlanks(values.name))
        return std::nullopt;
    return values;
}

std::optional<ZodiacRecordValues> readZodiacRecord(const QString& path)
{
    // A pipe or device would block the open (or never end); only a plain file is a record.
    if (!hasRecordExtension(path) || !QFileInfo(path).isFile())
        return std::nullopt;
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return std::nullopt;
    if (file.size() > kMaxRecordFileSize)
        return std::nullopt;
    // One byte more than allowed is enough to tell an oversized stream.
    return decodeZodiacRecord(file.read(kMaxRecordFileSize + 1));
}

} // namespace tarvo
