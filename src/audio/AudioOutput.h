#pragma once

#include <QByteArray>
#include <QString>
#include <QtPlugin>
#include <memory>

namespace tarvo::audio {

// The sound of practice. It lives in a plugin of its own, so the audio libraries are loaded when
// a practice first makes a sound, never at start-up.
class AudioOutput {
public:
    virtual ~AudioOutput() = default;

    // Plays a complete WAV file; key names the sound, so it is prepared once. A machine
    // without audio plays nothing.
    virtual void playWave(const QString& key, const QByteArray& wave) = 0;
};

// What the plugin exports: the one way to make an output.
class AudioOutputFactory {
public:
    virtual ~AudioOutputFactory() = default;
    virtual std::unique_ptr<AudioOutput> createOutput() = 0;
};

} // namespace tarvo::audio

#define TarvoAudioOutputFactory_iid "io.example.TarvoYoga.AudioOutputFactory/1"
Q_DECLARE_INTERFACE(tarvo::audio::AudioOutputFactory, TarvoAudioOutputFactory_iid)
