#include "practice/Chime.h"

#include "platform/SettingsStore.h"

#include <QDataStream>
#include <QIODevice>
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
    const int samples = int(kSeconds * kChimeSampleRate);
    const quint32 dataBytes = quint32(samples) * 2;
    QByteArray wave;
    QDataStream out(&wave, QIODevice::WriteOnly);
    out.setByteOrder(QDataStream::LittleEndian);
    out.writeRawData("RIFF", 4);
    out << quint32(36 + dataBytes);
    out.writeRawData("WAVEfmt ", 8);
    out << quint32(16) << quint16(1) << quint16(1) << quint32(kChimeSampleRate)
        << quint32(kChimeSampleRate * 2) << quint16(2) << quint16(16);
    out.writeRawData("data", 4);
    out << dataBytes;
    for (int i = 0; i < samples; ++i) {
        const double t = double(i) / kChimeSampleRate;
        // A bell's partials: the note, and a quieter one a fifth above that fades sooner.
        const double tone =
            0.75 * std::sin(2 * std::numbers::pi * 660.0 * t)
            + 0.25 * std::exp(-t / 0.15) * std::sin(2 * std::numbers::pi * 990.0 * t);
        out << qint16(std::lround(32767.0 * kLoudness * envelope(t) * tone));
    }
    return wave;
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
