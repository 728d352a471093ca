#pragma once

#include "audio/AudioOutput.h"

#include <QHash>
#include <QObject>

class QSoundEffect;

namespace tarvo::audio {

// Plays through Qt Multimedia: each sound is written once to the user's cache folder and kept
// open as a sound effect.
class QtAudioOutput final : public AudioOutput {
public:
    QtAudioOutput() = default;
    Q_DISABLE_COPY_MOVE(QtAudioOutput)
    ~QtAudioOutput() override;

    void playWave(const QString& key, const QByteArray& wave) override;

private:
    QHash<QString, QSoundEffect*> m_effects;
};

class QtAudioPlugin final : public QObject, public AudioOutputFactory {
    Q_OBJECT
    Q_PLUGIN_METADATA(IID TarvoAudioOutputFactory_iid)
    Q_INTERFACES(tarvo::audio::AudioOutputFactory)

public:
    std::unique_ptr<AudioOutput> createOutput() override;
};

} // namespace tarvo::audio
