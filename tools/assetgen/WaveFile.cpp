#include "WaveFile.h"

#include "FileOutput.h"

#include <algorithm>
#include <cmath>

namespace {

void PutSample(QByteArray& out, int bits, double value)
{
    const double v = std::clamp(value, -1.0, 1.0);
    if (bits == 8)
        out.append(char(quint8(std::lround(128.0 + v * 127.0))));
    else
        PutU16(out, quint16(qint16(std::lround(v * 32767.0))));
}

} // namespace

QByteArray EncodeWave(const WaveFormat& format, const std::vector<double>& samples)
{
    const quint32 bytesPerSample = quint32(format.bitsPerSample / 8);
    const quint32 blockAlign = bytesPerSample * quint32(format.channels);
    // Whole frames only; an odd data size gets a pad byte, as RIFF requires.
    const quint32 frames = quint32(samples.size()) / quint32(format.channels);
    const quint32 dataBytes = frames * blockAlign;
    const quint32 pad = dataBytes & 1;

    QByteArray out;
    out.append("RIFF", 4);
    PutU32(out, 4 + (8 + 16) + (8 + dataBytes + pad));
    out.append("WAVE", 4);
    out.append("fmt ", 4);
    PutU32(out, 16);
    PutU16(out, 1); // PCM
    PutU16(out, quint16(format.channels));
    PutU32(out, quint32(format.sampleRate));
    PutU32(out, quint32(format.sampleRate) * blockAlign);
    PutU16(out, quint16(blockAlign));
    PutU16(out, quint16(format.bitsPerSample));
    out.append("data", 4);
    PutU32(out, dataBytes);
    for (quint32 i = 0; i < frames * quint32(format.channels); ++i)
        PutSample(out, format.bitsPerSample, samples[i]);
    if (pad)
        out.append('\0');
    return out;
}

bool WriteWave(const WaveFormat& format, const std::vector<double>& samples, const QString& path)
{
    return WriteWholeFile(path, EncodeWave(format, samples));
}
