#pragma once

#include <memory>

namespace tarvo::audio {
class AudioOutput;
}

namespace tarvo::practice {

// Plays the chime through the audio plugin, which is loaded when the first chime is wanted.
class ChimePlayer final {
public:
    ChimePlayer();
    ~ChimePlayer();
    ChimePlayer(const ChimePlayer&) = delete;
    ChimePlayer& operator=(const ChimePlayer&) = delete;

    void play();

private:
    std::unique_ptr<audio::AudioOutput> m_output;
    bool m_tried = false;
};

} // namespace tarvo::practice
