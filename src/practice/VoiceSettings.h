#pragma once

#include <QString>

namespace tarvo {
class SettingsStore;
}

namespace tarvo::practice {

// How practice sounds, as Practice > Voice and Sound… sets it: the guiding voice, its voice,
// speed and volume, and the tones (the chime has its own setting, Practice/Chime).
struct VoiceSettings {
    bool voice = true;
    // Empty: the engine's own.
    QString voiceName;
    // -1 (slow) to 1 (fast).
    double rate = 0.0;
    // 0 to 1.
    double volume = 0.8;
    bool tones = true;

    friend bool operator==(const VoiceSettings&, const VoiceSettings&) = default;
};

// Read under Practice/Voice, VoiceName, VoiceRate, VoiceVolume and Tones; values out of range
// or unreadable read as the default.
VoiceSettings voiceSettings(const SettingsStore& settings);
void storeVoiceSettings(SettingsStore& settings, const VoiceSettings& voice);

} // namespace tarvo::practice
