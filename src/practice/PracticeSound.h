#pragma once

#include "practice/GuidanceOutput.h"
#include "shell/AppContext.h"

#include <memory>

namespace tarvo::audio {
class AudioOutput;
}

namespace tarvo::practice {

// The sound of a practice window: the chime, the tones and the guiding voice, each as its
// setting says, through the audio plugin, which is loaded when the first sound is wanted. With
// no plugin or no sound device the practice goes on in silence.
class PracticeSound final : public GuidanceOutput {
public:
    explicit PracticeSound(const AppContext& context);
    ~PracticeSound() override;
    PracticeSound(const PracticeSound&) = delete;
    PracticeSound& operator=(const PracticeSound&) = delete;

    void chime();
    void say(const QString& text) override;
    void play(Tone tone) override;
    void hush() override;
    // The voice settings may have changed since the last sound.
    void followSettings();

private:
    audio::AudioOutput* output();

    AppContext m_context;
    std::unique_ptr<audio::AudioOutput> m_output;
    bool m_tried = false;
};

} // namespace tarvo::practice
