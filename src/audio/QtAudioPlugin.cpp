#include "QtAudioPlugin.h"

#include <QDir>
#include <QFile>
#include <QSaveFile>
#include <QSoundEffect>
#include <QStandardPaths>
#include <QTextToSpeech>
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
    if (m_speech)
        m_speech->stop();
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
        effect->setSource(QUrl::fromLocalFile(path));
    }
    effect->setVolume(float(0.75 * m_choice.volume));
    effect->play();
}

QTextToSpeech* QtAudioOutput::speech() const
{
    if (m_speechTried)
        return m_speech;
    m_speechTried = true;
    const QStringList engines = QTextToSpeech::availableEngines();
    for (const QString& engine : {QStringLiteral("speechd"), QStringLiteral("flite")}) {
        if (!engines.contains(engine))
            continue;
        auto* candidate = new QTextToSpeech(engine, const_cast<QtAudioOutput*>(this));
        if (candidate->state() != QTextToSpeech::Error) {
            m_speech = candidate;
            auto* self = const_cast<QtAudioOutput*>(this);
            connect(m_speech, &QTextToSpeech::stateChanged, self,
                    [self](QTextToSpeech::State state) {
                        if (state == QTextToSpeech::Ready)
                            self->sayNext();
                    });
            break;
        }
        delete candidate;
    }
    return m_speech;
}

QString QtAudioOutput::speechEngine() const
{
    return speech() ? speech()->engine() : QString();
}

QStringList QtAudioOutput::voices() const
{
    QStringList names;
    if (speech()) {
        for (const QVoice& voice : speech()->availableVoices())
            names.append(voice.name());
    }
    return names;
}

void QtAudioOutput::setVoice(const VoiceChoice& choice)
{
    m_choice = choice;
    for (QSoundEffect* effect : std::as_const(m_effects))
        effect->setVolume(float(0.75 * choice.volume));
    QTextToSpeech* engine = speech();
    if (!engine)
        return;
    for (const QVoice& voice : engine->availableVoices()) {
        if (voice.name() == choice.voice)
            engine->setVoice(voice);
    }
    engine->setRate(choice.rate);
    engine->setVolume(choice.volume);
}

void QtAudioOutput::say(const QString& text)
{
    QTextToSpeech* engine = speech();
    if (!engine)
        return;
    m_waiting.append(text);
    if (engine->state() != QTextToSpeech::Speaking)
        sayNext();
}

void QtAudioOutput::sayNext()
{
    if (m_waiting.isEmpty() || !m_speech)
        return;
    m_speech->say(m_waiting.takeFirst());
}

void QtAudioOutput::stopSpeaking()
{
    m_waiting.clear();
    if (m_speech)
        m_speech->stop();
}

QString QtAudioOutput::speechProblem() const
{
    if (!speech())
        return QStringLiteral("There is no speech engine on this computer.");
    if (speech()->state() == QTextToSpeech::Error)
        return QStringLiteral("The speech engine %1 cannot reach a sound device.")
            .arg(speech()->engine());
    return {};
}

std::unique_ptr<AudioOutput> QtAudioPlugin::createOutput()
{
    return std::make_unique<QtAudioOutput>();
}

} // namespace tarvo::audio
