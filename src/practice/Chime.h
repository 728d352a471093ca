#pragma once

#include <QByteArray>

namespace tarvo {
class SettingsStore;
}

namespace tarvo::practice {

// A soft bell as a complete WAV file (16-bit mono PCM): it swells in over a few hundredths of a
// second and dies away, so it never clicks, and stays well below full scale.
QByteArray chimeWave();

// On unless the Practice/Chime setting says "off".
bool chimeEnabled(const SettingsStore& settings);
void setChimeEnabled(SettingsStore& settings, bool enabled);

} // namespace tarvo::practice
