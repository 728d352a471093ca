#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>
#include <QtPlugin>
#include <memory>

namespace tarvo::audio {

// How the voice speaks: one of voices() (empty for the engine's own), a rate from -1 (slow) to 1
// (fast), and a volume from 0 to 1 that the sounds follow too.
struct VoiceChoice {
    QString voice;
    double rate = 0.0;
    double volume = 0.8;
};

// The sound of practice: sounds, and a voice where the machine has a speech engine. It lives in
// a plugin of its own, so the audio libraries are loaded when a practice first makes a sound,
// never at start-up.
class AudioOutput {
public:
    virtual ~AudioOutput() = default;

    // Plays a complete WAV file; key names the sound, so it is prepared once. A machine
    // without audio plays nothing.
    virtual void playWave(const QString& key, const QByteArray& wave) = 0;

    // The speech engine in use ("flite", "speechd"), or empty where there is none.
    virtual QString speechEngine() const = 0;
    virtual QStringList voices() const = 0;
    virtual void setVoice(const VoiceChoice& choice) = 0;
    // Said in turn, after what is being said now.
    virtual void say(const QString& text) = 0;
    // Cuts off what is being said and everything waiting to be said.
    virtual void stopSpeaking() = 0;
    // Why nothing can be heard ("the speech engine reports an error"), or empty.
    virtual QString speechProblem() const = 0;
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
