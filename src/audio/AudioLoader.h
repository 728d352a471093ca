#pragma once

#include <QString>
#include <memory>

namespace tarvo::audio {

class AudioOutput;

// Where the audio plugin is: $TARVO_AUDIO_PLUGIN when set, else beside the program in
// ../lib/tarvo-yoga, as the build tree and the installed program both have it.
QString audioPluginPath();

// An output from the audio plugin, loaded on the first call; nullptr where the plugin cannot be
// loaded, and practice goes on in silence.
std::unique_ptr<AudioOutput> createAudioOutput();

} // namespace tarvo::audio
