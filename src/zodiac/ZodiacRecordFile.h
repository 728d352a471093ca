#pragma once

#include "zodiac/ZodiacReading.h"

#include <QByteArray>
#include <QString>
#include <optional>

namespace tarvo {

// Saved records depend on this value: never change it.
inline constexpr int kScrambleOffset = 7;

inline const QString kCheckTheFileMessage = QStringLiteral("Please Check The File.");
inline const QString kNamelessReadingMessage =
    QStringLiteral("This sign's reading has no name or date of birth, so there is nothing to "
                   "keep. Get a reading with your own name to save it.");

// Work on Latin-1 codes; a shift past either end wraps round within 0..255, and a character
// outside Latin-1 is stored as "?".
QString scrambleText(const QString& text);
QString unscrambleText(const QString& text);

// The four lines of a record: each the scrambled Latin-1 bytes of its value and CR LF.
QByteArray encodeZodiacRecord(const ZodiacReading& reading);

inline const QString kUnreadableRecordReason =
    QStringLiteral("A record needs a name of letters and blanks only and a whole date of birth.");

// Writes through a save file, so a failed write leaves an existing file as it was. A reading
// the reader would refuse is not written at all. On failure returns false and sets errorText
// to the reason.
bool writeZodiacRecord(const QString& path, const ZodiacReading& reading, QString* errorText);

// The plain values of a record's first four lines; a missing line is empty.
struct ZodiacRecordValues {
    QString name;
    QString day;
    QString month;
    QString year;
};

// Only a path whose last three characters are "zoy" names a record.
bool hasRecordExtension(const QString& path);

inline constexpr qint64 kMaxRecordFileSize = 4096;

// Nothing when the file must be refused: wrong extension, not a plain file, unreadable, larger
// than any record, fewer than four lines, a blank name line, or a name of other than letters
// and blanks.
std::optional<ZodiacRecordValues> readZodiacRecord(const QString& path);
std::optional<ZodiacRecordValues> decodeZodiacRecord(const QByteArray& content);

} // namespace tarvo
