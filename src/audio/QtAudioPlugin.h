#pragma once

#include "audio/AudioOutput.h"

#include <QHash>
#include <QObject>

class QSoundEffect;
class QTextToSpeech;

namespace tarvo::audio {

// Plays through Qt Multimedia: each sound is written once to the user's cache folder and kept
// open as a sound effect.
// Speaks through Qt TextToSpeech: speech-dispatcher's engine where the desktop runs one, else
// Flite, which needs no service.
class QtAudioOutput final : public QObject, public AudioOutput {
    Q_OBJECT

public:
    QtAudioOutput() = default;
    Q_DISABLE_COPY_MOVE(QtAudioOutput)
    ~QtAudioOutput() override;

    void playWave(const QString& key, const QByteArray& wave) override;
    QString speechEngine() const override;
    QStringList voices() const override;
    void setVoice(const VoiceChoice& choice) override;
    void say(const QString& text) override;
    void stopSpeaking() override;
    QString speechProblem() const override;

private:
    // Made on the first use of the voice: the engine's start is not free.
    QTextToSpeech* speech() const;
    void sayNext();

    QHash<QString, QSoundEffect*> m_effects;
    mutable QTextToSpeech* m_speech = nullptr;
    mutable bool m_speechTried = false;
    VoiceChoice m_choice;
    QStringList m_waiting;
};

class QtAudioPlugin final : public QObject, public AudioOutputFactory {
    Q_OBJECT
    Q_PLUGIN_METADATA(IID TarvoAudioOutputFactory_iid)
    Q_INTERFACES(tarvo::audio::AudioOutputFactory)

public:
    std::unique_ptr<AudioOutput> createOutput() override;
};

} // namespace tarvo::audio
