#include "practice/ChimePlayer.h"

#include "audio/AudioLoader.h"
#include "audio/AudioOutput.h"
#include "practice/Chime.h"

namespace tarvo::practice {

ChimePlayer::ChimePlayer() = default;

ChimePlayer::~ChimePlayer() = default;

void ChimePlayer::play()
{
    if (!m_tried) {
        m_tried = true;
        m_output = audio::createAudioOutput();
    }
    // Practice goes on in silence where there is no audio.
    if (m_output)
        m_output->playWave(QStringLiteral("chime"), chimeWave());
}

} // namespace tarvo::practice
