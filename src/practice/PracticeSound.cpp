#include "practice/PracticeSound.h"

#include "audio/AudioLoader.h"
#include "audio/AudioOutput.h"
#include "practice/Chime.h"
#include "practice/VoiceSettings.h"

namespace tarvo::practice {

PracticeSound::PracticeSound(const AppContext& context)
    : m_context(context)
{
}

PracticeSound::~PracticeSound()
{
    // Nothing is said after the window that said it has gone.
    if (m_output)
        m_output->stopSpeaking();
}

audio::AudioOutput* PracticeSound::output()
{
    if (!m_tried) {
        m_tried = true;
        m_output = audio::createAudioOutput();
        followSettings();
    }
    return m_output.get();
}

void PracticeSound::followSettings()
{
    if (!m_output)
        return;
    const VoiceSettings voice = voiceSettings(m_context.settings);
    m_output->setVoice({voice.voiceName, voice.rate, voice.volume});
}

void PracticeSound::chime()
{
    if (chimeEnabled(m_context.settings) && output())
        output()->playWave(QStringLiteral("chime"), chimeWave());
}

void PracticeSound::say(const QString& text)
{
    if (voiceSettings(m_context.settings).voice && output())
        output()->say(text);
}

void PracticeSound::play(Tone tone)
{
    if (voiceSettings(m_context.settings).tones && output())
        output()->playWave(toneKey(tone), toneWave(tone));
}

void PracticeSound::hush()
{
    // Only a voice that has spoken can be cut off; nothing is loaded for silence.
    if (m_output)
        m_output->stopSpeaking();
}

} // namespace tarvo::practice
