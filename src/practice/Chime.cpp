#include "practice/Chime.h"

#include "platform/SettingsStore.h"
#include "practice/Wave.h"

#include <QString>
#include <cmath>
#include <numbers>

namespace tarvo::practice {

namespace {

const QString kChimeKey = QStringLiteral("Practice/Chime");

constexpr double kSeconds = 1.2;
constexpr double kAttack = 0.03;
constexpr double kDecay = 0.28;
constexpr double kFadeOut = 0.1;
constexpr double kLoudness = 0.3;

double envelope(double t)
{
    const double attack = t < kAttack ? std::sin(0.5 * std::numbers::pi * t / kAttack) : 1.0;
    // The decay alone would leave a step at the end; the last tenth of a second closes it.
    const double tail = std::min(1.0, (kSeconds - t) / kFadeOut);
    return attack * std::exp(-t / kDecay) * std::max(0.0, tail);
}

} // namespace

QByteArray chimeWave()
{
    return synthesizedWave(kSeconds, [](double t) {
        // A bell's partials: the note, and a quieter one a fifth above that fades sooner.
        const double tone =
            0.75 * std::sin(2 * std::numbers::pi * 660.0 * t)
            + 0.25 * std::exp(-t / 0.15) * std::sin(2 * std::numbers::pi * 990.0 * t);
        return kLoudness * envelope(t) * tone;
    });
}

bool chimeEnabled(const SettingsStore& settings)
{
    return settings.value(kChimeKey) != QLatin1String("off");
}

void setChimeEnabled(SettingsStore& settings, bool enabled)
{
    settings.setValue(kChimeKey, enabled ? QStringLiteral("on") : QStringLiteral("off"));
}

} // namespace tarvo::practice
