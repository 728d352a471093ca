#include "practice/Wave.h"

#include <QDataStream>
#include <QIODevice>
#include <algorithm>
#include <cmath>

namespace tarvo::practice {

QByteArray synthesizedWave(double seconds, const std::function<double(double)>& sample)
{
    const int samples = int(seconds * kWaveSampleRate);
    const quint32 dataBytes = quint32(samples) * 2;
    QByteArray wave;
    QDataStream out(&wave, QIODevice::WriteOnly);
    out.setByteOrder(QDataStream::LittleEndian);
    out.writeRawData("RIFF", 4);
    out << quint32(36 + dataBytes);
    out.writeRawData("WAVEfmt ", 8);
    out << quint32(16) << quint16(1) << quint16(1) << quint32(kWaveSampleRate)
        << quint32(kWaveSampleRate * 2) << quint16(2) << quint16(16);
    out.writeRawData("data", 4);
    out << dataBytes;
    for (int i = 0; i < samples; ++i) {
        const double level = std::clamp(sample(double(i) / kWaveSampleRate), -1.0, 1.0);
        out << qint16(std::lround(32767.0 * level));
    }
    return wave;
}

} // namespace tarvo::practice
