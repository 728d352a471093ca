#include "platform/AppInfo.h"
#include "support/PrivateMounts.h"
#include "support/TestContext.h"
#include "support/TestMain.h"
#include "zodiac/ZodiacRecordFile.h"
#include "zodiac/ZodiacReport.h"
#include "zodiac/ZodiacReportDialog.h"

#include <QDir>
#include <QScopeGuard>
#include <QTemporaryDir>
#include <sys/mount.h>
#include <unistd.h>

using namespace tarvo;

namespace {

bool privateMounts = false;

const ZodiacReading kOld{QStringLiteral("OLD READING"), 1, QStringLiteral("May"), 1990,
                         SunSign::Taurus};
const ZodiacReading kNew{QStringLiteral("NEW"), 2, QStringLiteral("March"), 1991, SunSign::Pisces};

QByteArray contentOf(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

} // namespace

// Saving over a record must never lose it: whatever stops the write, the old file stays byte
// for byte and the user is told where and why.
class tst_RecordSave : public QObject {
    Q_OBJECT

private slots:
    void init()
    {
        test::failOnUnexpectedWarnings();
        m_t = std::make_unique<test::TestContext>();
        QVERIFY(m_dir.isValid());
    }

    void fullDisk()
    {
        if (!privateMounts)
            QSKIP("this kernel gives no private mount namespace to mount a small disk in");
        const QString disk = m_dir.filePath(QStringLiteral("disk"));
        QVERIFY(QDir().mkpath(disk));
        const QByteArray diskPath = QFile::encodeName(disk);
        QCOMPARE(::mount("tmpfs", diskPath.constData(), "tmpfs", MS_NOSUID | MS_NODEV, "size=16k"),
                 0);
        const auto unmount = qScopeGuard([&] { ::umount2(diskPath.constData(), MNT_DETACH); });

        const QString path = QDir(disk).filePath(QStringLiteral("reading.zoy"));
        QVERIFY(writeZodiacRecord(path, kOld, nullptr));
        QFile filler(QDir(disk).filePath(QStringLiteral("filler")));
        QVERIFY(filler.open(QIODevice::WriteOnly | QIODevice::Unbuffered));
        const QByteArray block(1024, 'x');
        while (filler.write(block) == block.size()) {
        }
        filler.close();

        QCOMPARE(saveOver(path), u"No space left on device");
        QCOMPARE(contentOf(path), encodeZodiacRecord(kOld));
        // The half-written temporary copy is gone too.
        QCOMPARE(QDir(disk).entryList(QDir::Files),
                 QStringList({QStringLiteral("filler"), QStringLiteral("reading.zoy")}));
    }

    void folderVanished()
    {
        const QString folder = m_dir.filePath(QStringLiteral("readings"));
        QVERIFY(QDir().mkpath(folder));
        const QString path = QDir(folder).filePath(QStringLiteral("reading.zoy"));
        QVERIFY(writeZodiacRecord(path, kOld, nullptr));
        // Between the dialog and the write the folder is moved away, as by another program.
        const QString moved = m_dir.filePath(QStringLiteral("moved"));
        QVERIFY(QDir().rename(folder, moved));

        QVERIFY(!saveOver(path).isEmpty());
        QVERIFY(!QFileInfo::exists(folder));
        QCOMPARE(contentOf(QDir(moved).filePath(QStringLiteral("reading.zoy"))),
                 encodeZodiacRecord(kOld));
    }

    void pathIsAFolder()
    {
        const QString path = m_dir.filePath(QStringLiteral("reading.zoy"));
        QVERIFY(QDir().mkpath(path));
        const QString inside = QDir(path).filePath(QStringLiteral("reading.zoy"));
        QVERIFY(writeZodiacRecord(inside, kOld, nullptr));

        QVERIFY(!saveOver(path).isEmpty());
        QVERIFY(QFileInfo(path).isDir());
        QCOMPARE(contentOf(inside), encodeZodiacRecord(kOld));
    }

private:
    // Returns the reason the user was given.
    QString saveOver(const QString& path)
    {
        ZodiacReportDialog report(m_t->context(), kNew, zodiacDisplayFields(kNew.sunSign));
        m_t->desktop.saveNames.push_back(path);
        report.saveReading();
        if (m_t->desktop.messages.size() != 1)
            return {};
        const auto& message = m_t->desktop.messages.first();
        const QString heading = QStringLiteral("The reading could not be saved to\n")
                                + QDir::toNativeSeparators(path) + QStringLiteral("\n\n");
        if (message.icon != MessageIcon::Critical || message.title != u"Tarvo Yoga"
            || !message.text.startsWith(heading))
            return {};
        return message.text.mid(heading.size());
    }

    std::unique_ptr<test::TestContext> m_t;
    QTemporaryDir m_dir;
};

int main(int argc, char** argv)
{
    privateMounts = test::enterPrivateMountNamespace();
    test::isolateEnvironment();
    QApplication app(argc, argv);
    test::installFonts(app);
    tst_RecordSave test;
    QTEST_SET_MAIN_SOURCE_PATH
    return QTest::qExec(&test, argc, argv);
}

#include "tst_recordsave.moc"
