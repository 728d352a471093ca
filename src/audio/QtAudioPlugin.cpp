#include "QtAudioPlugin.h"

#include <QDir>
#include <QFile>
#include <QSaveFile>
#include <QSoundEffect>
#include <QStandardPaths>
#include <QUrl>

namespace tarvo::audio {

namespace {

// The path of the sound, written if it is missing or not the sound asked for; empty where the
// cache cannot be written.
QString soundFile(const QString& key, const QByteArray& wave)
{
    const QString folder = QStandardPaths::writableLocation(QStandardPaths::CacheLocation);
    if (folder.isEmpty() || !QDir().mkpath(folder))
        return {};
    const QString path = QStringLiteral("%1/%2.wav").arg(folder, key);
    QFile existing(path);
    if (existing.open(QIODevice::ReadOnly) && existing.readAll() == wave)
        return path;
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(wave) != wave.size() || !file.commit())
        return {};
    return path;
}

} // namespace

QtAudioOutput::~QtAudioOutput()
{
    qDeleteAll(m_effects);
}

void QtAudioOutput::playWave(const QString& key, const QByteArray& wave)
{
    QSoundEffect*& effect = m_effects[key];
    if (!effect) {
        const QString path = soundFile(key, wave);
        // Practice goes on in silence where the cache cannot be written.
        if (path.isEmpty())
            return;
        effect = new QSoundEffect;
        effect->setVolume(0.6f);
        effect->setSource(QUrl::fromLocalFile(path));
    }
    effect->play();
}

std::unique_ptr<AudioOutput> QtAudioPlugin::createOutput()
{
    return std::make_unique<QtAudioOutput>();
}

} // namespace tarvo::audio
