#include "support/TestMain.h"
#include "zodiac/NameFilter.h"
#include "zodiac/SunSign.h"
#include "zodiac/ZodiacAsanas.h"
#include "zodiac/ZodiacRecordFile.h"

#include <QDir>
#include <QTemporaryDir>
#include <sys/stat.h>

using namespace tarvo;

Q_DECLARE_METATYPE(tarvo::SunSign)

class tst_ZodiacRules : public QObject {
    Q_OBJECT

private slots:
    void init() { tarvo::test::failOnUnexpectedWarnings(); }

    void determineSunSign_data();
    void determineSunSign();
    void everyDayHasASign();
    void checkBirthDate_data();
    void checkBirthDate();
    void profileShortFields();
    void constitutionType_data();
    void constitutionType();
    void recommendations();
    void nameFilter_data();
    void nameFilter();
    void scrambleRoundTrip();
    void recordBytesExact();
    void decodeRecord_data();
    void decodeRecord();
    void recordExtension_data();
    void recordExtension();
    void failedWriteKeepsOldFile();
    void writerRefusesWhatReaderRefuses_data();
    void writerRefusesWhatReaderRefuses();
    void specialFileIsRefusedWithoutBlocking();
};

void tst_ZodiacRules::determineSunSign_data()
{
    QTest::addColumn<int>("month");
    QTest::addColumn<int>("day");
    QTest::addColumn<SunSign>("sign");
    // Last day of the first sign and first day of the second, for every month.
    const struct {
        SunSign first;
        int cutOff;
        SunSign second;
    } months[] = {{SunSign::Capricorn, 19, SunSign::Aquarius},
                  {SunSign::Aquarius, 18, SunSign::Pisces},
                  {SunSign::Pisces, 20, SunSign::Aries},
                  {SunSign::Aries, 20, SunSign::Taurus},
                  {SunSign::Taurus, 20, SunSign::Gemini},
                  {SunSign::Gemini, 20, SunSign::Cancer},
                  {SunSign::Cancer, 20, SunSign::Leo},
                  {SunSign::Leo, 20, SunSign::Virgo},
                  {SunSign::Virgo, 20, SunSign::Libra},
                  {SunSign::Libra, 20, SunSign::Scorpio},
                  {SunSign::Scorpio, 20, SunSign::Sagittarius},
                  {SunSign::Sagittarius, 20, SunSign::Capricorn}};
    const QStringList names = monthNames();
    for (int m = 0; m < 12; ++m) {
        const auto& split = months[m];
        const QString month = names.at(m);
        QTest::addRow("1 %s", qPrintable(month)) << m << 0 << split.first;
        QTest::addRow("%d %s", split.cutOff, qPrintable(month))
            << m << split.cutOff - 1 << split.first;
        QTest::addRow("%d %s", split.cutOff + 1, qPrintable(month))
            << m << split.cutOff << split.second;
        QTest::addRow("31 %s", qPrintable(month)) << m << 30 << split.second;
    }
    QTest::addRow("29 February") << 1 << 28 << SunSign::Pisces;
}

void tst_ZodiacRules::determineSunSign()
{
    QFETCH(int, month);
    QFETCH(int, day);
    QFETCH(SunSign, sign);
    QCOMPARE(tarvo::determineSunSign(month, day), sign);
}

void tst_ZodiacRules::everyDayHasASign()
{
    // Each sign owns a contiguous run of the year, so every sign occurs for some date.
    QSet<int> seen;
    for (int m = 0; m < 12; ++m)
        for (int d = 0; d < 31; ++d)
            seen.insert(signIndex(tarvo::determineSunSign(m, d)));
    QCOMPARE(seen.size(), kSunSignCount);
}

void tst_ZodiacRules::checkBirthDate_data()
{
    QTest::addColumn<int>("month");
    QTest::addColumn<int>("day");
    QTest::addColumn<QString>("message");
    QTest::addRow("29 February") << 1 << 28 << QString();
    QTest::addRow("30 February") << 1 << 29
                                 << QStringLiteral("Please Enter Correct Date of Birth!");
    QTest::addRow("31 February") << 1 << 30
                                 << QStringLiteral("Please Enter Correct Date of Birth!");
    for (int m : {3, 5, 8, 10}) {
        QTest::addRow("30 of month %d", m) << m << 29 << QString();
        QTest::addRow("31 of month %d", m)
            << m << 30 << QStringLiteral("Please Enter Correct Date of Birth !");
    }
    for (int m : {0, 2, 4, 6, 7, 9, 11})
        QTest::addRow("31 of month %d", m) << m << 30 << QString();
}

void tst_ZodiacRules::checkBirthDate()
{
    QFETCH(int, month);
    QFETCH(int, day);
    QFETCH(QString, message);
    QCOMPARE(tarvo::checkBirthDate(month, day), message);
}

void tst_ZodiacRules::profileShortFields()
{
    const SunSignProfile& aquarius = sunSignProfile(SunSign::Aquarius);
    QCOMPARE(aquarius.compatibleSigns, u"Taurus and Virgo");
    QCOMPARE(aquarius.luckyDay, u"Wednesday");
    QCOMPARE(aquarius.element, u"Air");
    QCOMPARE(aquarius.picture, 11);
    const SunSignProfile& scorpio = sunSignProfile(SunSign::Scorpio);
    QCOMPARE(scorpio.luckyColour, u"Burgundy and Black");
    QCOMPARE(scorpio.fitness.variety, u"No Belief in Variety");
    QCOMPARE(sunSignProfile(SunSign::Virgo).fitness.focus, u"Good Focus");
    QCOMPARE(sunSignProfile(SunSign::Pisces).luckyColour, u"Sea green");
    for (int i = 0; i < kSunSignCount; ++i) {
        const SunSign sign = static_cast<SunSign>(i);
        QCOMPARE(sunSignProfile(sign).name, signName(sign));
        QCOMPARE(signFromName(signName(sign)), sign);
        QVERIFY(!sunSignProfile(sign).famousPeople.isEmpty());
    }
    QVERIFY(!signFromName(QStringLiteral("aries")));
}

void tst_ZodiacRules::constitutionType_data()
{
    QTest::addColumn<QString>("element");
    QTest::addColumn<QString>("lowRemedy");
    QTest::addRow("Fire")
        << "Fire"
        << "Digestive stimulants like cayenne, mustard, cloves, cinnamon, garlic and ginger.";
    QTest::addRow("Air") << "Air"
                         << "Dandelion root and/or angostura bitters.";
    QTest::addRow("Water") << "Water"
                           << "Sweetened honey and fruit juices.";
    QTest::addRow("Earth") << "Earth"
                           << "Demulcents such as licorice and slippery elm, seaweed and minerals, "
                              "Ginseng, astragals, ahashwaganda.";
}

void tst_ZodiacRules::constitutionType()
{
    QFETCH(QString, element);
    QFETCH(QString, lowRemedy);
    const auto profile = constitutionTypeProfile(element);
    QVERIFY(profile);
    QCOMPARE(profile->lowRemedy, lowRemedy);
    QVERIFY(!profile->description.isEmpty());
    QVERIFY(!profile->excessDescription.isEmpty());
    QVERIFY(!profile->lowDescription.isEmpty());
    QVERIFY(!constitutionTypeProfile(element.toLower()));
}

void tst_ZodiacRules::recommendations()
{
    const int counts[] = {3, 3, 5, 5, 4, 5, 4, 5, 5, 7, 6, 7};
    QSet<QString> labelNames;
    int total = 0;
    for (int i = 0; i < kSunSignCount; ++i) {
        const QList<AsanaRecommendation> list = recommendedAsanas(static_cast<SunSign>(i));
        QCOMPARE(list.size(), counts[i]);
        QCOMPARE(list.last().index, 3);
        QCOMPARE(list.last().reportHeading, u"Savaasanaa :-");
        for (const AsanaRecommendation& a : list) {
            QVERIFY(a.labelName.endsWith(signName(static_cast<SunSign>(i))));
            labelNames.insert(a.labelName);
        }
        total += int(list.size());
    }
    QCOMPARE(total, 59);
    QCOMPARE(labelNames.size(), 59);
    const QList<AsanaRecommendation> pisces = recommendedAsanas(SunSign::Pisces);
    QCOMPARE(pisces.at(5).reportHeading, u"Yoga Mudraa :-");
    QCOMPARE(pisces.at(3).index, 14);
    QCOMPARE(recommendedAsanas(SunSign::Leo).at(1).reportHeading, u"Bhujangaasaana :-");
    QCOMPARE(recommendedAsanas(SunSign::Cancer).at(1).reportHeading, u"Paschimottasanaa :-");
    QCOMPARE(recommendedAsanas(SunSign::Capricorn).at(2).reportHeading, u"Paschimottaasanaa :-");
    QCOMPARE(zodiacAsanaName(7), u"Bhujangasana");
    QCOMPARE(zodiacAsana(7).englishName, u"Half- Cobra Pose");
    QVERIFY(zodiacAsanaName(15).isEmpty());
    QVERIFY(zodiacAsana(0).definition.isEmpty());
}

void tst_ZodiacRules::nameFilter_data()
{
    QTest::addColumn<QString>("input");
    QTest::addColumn<QString>("kept");
    QTest::addColumn<bool>("dropped");
    QTest::addRow("lower case with blank") << "ravi kumar"
                                           << "RAVI KUMAR" << false;
    QTest::addRow("capitals") << "ANU"
                              << "ANU" << false;
    QTest::addRow("digit") << "r2d2"
                           << "RD" << true;
    QTest::addRow("hyphen and full stop") << "a-b."
                                          << "AB" << true;
    QTest::addRow("line break in paste") << "ann\r\nlee"
                                         << "ANNLEE" << true;
    QTest::addRow("accented letter") << QString::fromUtf8("jos\xc3\xa9") << "JOS" << true;
    QTest::addRow("blanks only") << "   "
                                 << "   " << false;
}

void tst_ZodiacRules::nameFilter()
{
    QFETCH(QString, input);
    QFETCH(QString, kept);
    QFETCH(bool, dropped);
    const FilteredName result = filterNameText(input);
    QCOMPARE(result.text, kept);
    QCOMPARE(result.dropped, dropped);
}

void tst_ZodiacRules::scrambleRoundTrip()
{
    const QString plain = QStringLiteral("A Z 0123456789 SeptemberJanuary");
    const QString scrambled = scrambleText(plain);
    QCOMPARE(scrambled.size(), plain.size());
    for (qsizetype i = 0; i < plain.size(); ++i)
        QCOMPARE(scrambled.at(i).unicode(), char16_t(plain.at(i).unicode() + 7));
    QCOMPARE(unscrambleText(scrambled), plain);
    // Past either end of the byte range a code wraps round and still comes back.
    const QString edges = QString(QChar(char16_t(0xFE))) + QChar(char16_t(2));
    QCOMPARE(unscrambleText(scrambleText(edges)), edges);
}

void tst_ZodiacRules::recordBytesExact()
{
    ZodiacReading reading{QStringLiteral("A B"), 7, QStringLiteral("July"), 1985, SunSign::Cancer};
    const QByteArray expected = QByteArray("H'I\r\n") + ">\r\n" + "Q|s\x80\r\n" + "8@?<\r\n";
    QCOMPARE(encodeZodiacRecord(reading), expected);

    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("reading.zoy"));
    QVERIFY(writeZodiacRecord(path, reading, nullptr));
    QFile file(path);
    QVERIFY(file.open(QIODevice::ReadOnly));
    QCOMPARE(file.readAll(), expected);
    file.close();

    const auto back = readZodiacRecord(path);
    QVERIFY(back);
    QCOMPARE(back->name, u"A B");
    QCOMPARE(back->day, u"7");
    QCOMPARE(back->month, u"July");
    QCOMPARE(back->year, u"1985");
}

void tst_ZodiacRules::decodeRecord_data()
{
    QTest::addColumn<QByteArray>("content");
    QTest::addColumn<bool>("accepted");
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("month");
    const QByteArray name = scrambleText(QStringLiteral("ANU")).toLatin1();
    const QByteArray july = scrambleText(QStringLiteral("July")).toLatin1();
    const QByteArray date = ">\r\n" + july + "\r\n8?6<\r\n";
    QTest::addRow("empty") << QByteArray() << false << QString() << QString();
    QTest::addRow("one line") << name + "\r\n" << false << QString() << QString();
    QTest::addRow("no year") << name + "\r\n>\r\n" + july + "\r\n"
                             << false << QString() << QString();
    QTest::addRow("blank name line") << "\r\n" + date << false << QString() << QString();
    QTest::addRow("name of blanks")
        << QByteArray("'''\r\n") + date << false << QString() << QString();
    // A date line that matches nothing keeps the list's selection, as any unmatched value does.
    QTest::addRow("empty day line") << name + "\r\n\r\n" + july + "\r\n8?6<\r\n"
                                    << true << "ANU"
                                    << "July";
    QByteArray ten = name + "\r\n>\r\n" + july + "\r\n8?6<\r\n";
    for (int i = 0; i < 6; ++i)
        ten += "extra\r\n";
    QTest::addRow("ten lines") << ten << true << "ANU"
                               << "July";
    QTest::addRow("no final line break") << name + "\r\n>\r\n" + july + "\r\n8?6<" << true << "ANU"
                                         << "July";
    QTest::addRow("binary garbage")
        << QByteArray("\x01\xff\x10\x00\x7f\x80", 6) << false << QString() << QString();
    QTest::addRow("1 MiB") << QByteArray(1 << 20, 'H') << false << QString() << QString();
    QTest::addRow("name with digits") << scrambleText(QStringLiteral("ANU 2")).toLatin1() + "\r\n"
                                      << false << QString() << QString();
    QTest::addRow("plain text") << QByteArray("ANU\r\n7\r\nJuly\r\n1985\r\n") << false << QString()
                                << QString();
}

void tst_ZodiacRules::decodeRecord()
{
    QFETCH(QByteArray, content);
    QFETCH(bool, accepted);
    QFETCH(QString, name);
    QFETCH(QString, month);
    const auto values = decodeZodiacRecord(content);
    QCOMPARE(bool(values), accepted);
    if (values) {
        QCOMPARE(values->name, name);
        QCOMPARE(values->month, month);
    }
}

void tst_ZodiacRules::recordExtension_data()
{
    QTest::addColumn<QString>("path");
    QTest::addColumn<bool>("accepted");
    QTest::addRow("dot zoy") << "/tmp/a.zoy" << true;
    QTest::addRow("zoy without dot") << "/tmp/azoy" << true;
    QTest::addRow("upper case") << "/tmp/a.ZOY" << false;
    QTest::addRow("mixed case") << "/tmp/a.Zoy" << false;
    QTest::addRow("other") << "/tmp/a.txt" << false;
    QTest::addRow("short") << "zo" << false;
}

void tst_ZodiacRules::recordExtension()
{
    QFETCH(QString, path);
    QFETCH(bool, accepted);
    QCOMPARE(hasRecordExtension(path), accepted);
}

void tst_ZodiacRules::failedWriteKeepsOldFile()
{
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("old.zoy"));
    ZodiacReading first{QStringLiteral("OLD"), 1, QStringLiteral("May"), 1990, SunSign::Taurus};
    QVERIFY(writeZodiacRecord(path, first, nullptr));
    const QByteArray before = encodeZodiacRecord(first);
    ZodiacReading second{QStringLiteral("NEW"), 2, QStringLiteral("June"), 1991, SunSign::Gemini};
    QString reason;
    QVERIFY(!writeZodiacRecord(dir.filePath(QStringLiteral("gone/x.zoy")), second, &reason));
    QVERIFY(!reason.isEmpty());
    reason.clear();
    // A folder that cannot be written to stops the save file before it replaces anything.
    QVERIFY(QFile::setPermissions(dir.path(), QFileDevice::ReadOwner | QFileDevice::ExeOwner));
    const bool written = writeZodiacRecord(path, second, &reason);
    QFile::setPermissions(dir.path(),
                          QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner);
    if (written)
        QSKIP("running with rights that ignore folder permissions");
    QVERIFY(!reason.isEmpty());
    QFile file(path);
    QVERIFY(file.open(QIODevice::ReadOnly));
    QCOMPARE(file.readAll(), before);
}

void tst_ZodiacRules::writerRefusesWhatReaderRefuses_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("month");
    QTest::addRow("markup in the name") << "<b>BOLD</b> &lt;I&gt;"
                                        << "May";
    QTest::addRow("blank name") << "   "
                                << "May";
    QTest::addRow("letter outside Latin-1") << QString::fromUtf8("ANU \u0141") << "May";
}

void tst_ZodiacRules::writerRefusesWhatReaderRefuses()
{
    QFETCH(QString, name);
    QFETCH(QString, month);
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("refused.zoy"));
    const ZodiacReading reading{name, 3, month, 1990, SunSign::Taurus};
    QString reason;
    QVERIFY(!writeZodiacRecord(path, reading, &reason));
    QCOMPARE(reason,
             QStringLiteral(
                 "A record needs a name of letters and blanks only and a whole date of birth."));
    QVERIFY(!QFile::exists(path));
}

void tst_ZodiacRules::specialFileIsRefusedWithoutBlocking()
{
    QTemporaryDir dir;
    const QString pipe = dir.filePath(QStringLiteral("pipe.zoy"));
    QVERIFY(::mkfifo(QFile::encodeName(pipe).constData(), 0600) == 0);
    // Opening a pipe with no writer would block here forever.
    QVERIFY(!readZodiacRecord(pipe));
    QVERIFY(QDir(dir.path()).mkdir(QStringLiteral("folder.zoy")));
    QVERIFY(!readZodiacRecord(dir.filePath(QStringLiteral("folder.zoy"))));
}

TARVO_TEST_MAIN(tst_ZodiacRules)
#include "tst_zodiacrules.moc"
