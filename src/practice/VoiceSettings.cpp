#include "practice/VoiceSettings.h"

#include "platform/SettingsStore.h"

#include <algorithm>

namespace tarvo::practice {

namespace {

const QString kVoice = QStringLiteral("Practice/Voice");
const QString kVoiceName = QStringLiteral("Practice/VoiceName");
const QString kRate = QStringLiteral("Practice/VoiceRate");
const QString kVolume = QStringLiteral("Practice/VoiceVolume");
const QString kTones = QStringLiteral("Practice/Tones");

double number(const SettingsStore& settings, const QString& key, double fallback, double low,
              double high)
{
    bool ok = false;
    const double value = settings.value(key).toDouble(&ok);
    return ok && value >= low && value <= high ? value : fallback;
}

} // namespace

VoiceSettings voiceSettings(const SettingsStore& settings)
{
    const VoiceSettings defaults;
    VoiceSettings voice;
    voice.voice = settings.value(kVoice) != QLatin1String("off");
    voice.voiceName = settings.value(kVoiceName);
    voice.rate = number(settings, kRate, defaults.rate, -1.0, 1.0);
    voice.volume = number(settings, kVolume, defaults.volume, 0.0, 1.0);
    voice.tones = settings.value(kTones) != QLatin1String("off");
    return voice;
}

void storeVoiceSettings(SettingsStore& settings, const VoiceSettings& voice)
{
    settings.setValue(kVoice, voice.voice ? QStringLiteral("on") : QStringLiteral("off"));
    settings.setValue(kVoiceName, voice.voiceName);
    settings.setValue(kRate, QString::number(std::clamp(voice.rate, -1.0, 1.0)));
    settings.setValue(kVolume, QString::number(std::clamp(voice.volume, 0.0, 1.0)));
    settings.setValue(kTones, voice.tones ? QStringLiteral("on") : QStringLiteral("off"));
}

} // namespace tarvo::practice
