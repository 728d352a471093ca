#include "audio/AudioLoader.h"
#include "practice/PracticeSound.h"
#include "support/TestContext.h"

#include <QFile>
#include <QtTest>

using namespace tarvo;

namespace {

bool mapped(const QByteArray& library)
{
    QFile maps(QStringLiteral("/proc/self/maps"));
    return maps.open(QIODevice::ReadOnly) && maps.readAll().contains(library);
}

} // namespace

// The audio libraries come with the plugin, on the first sound, not with the program.
class tst_AudioPlugin final : public QObject {
    Q_OBJECT

private slots:
    void loadedWhenTheFirstSoundIsWanted()
    {
        QCOMPARE(audio::audioPluginPath(), QStringLiteral(TARVO_AUDIO_PLUGIN));
        QVERIFY(!mapped("libQt6Multimedia"));
        test::TestContext seams;
        practice::PracticeSound sound(seams.context());
        QVERIFY(!mapped("libQt6Multimedia"));
        // Silence loads nothing.
        sound.hush();
        QVERIFY(!mapped("libQt6Multimedia"));
        sound.chime();
        QVERIFY(mapped("libtarvo-audio"));
        QVERIFY(mapped("libQt6Multimedia"));
        sound.chime();
    }
};

QTEST_GUILESS_MAIN(tst_AudioPlugin)
#include "tst_audioplugin.moc"
