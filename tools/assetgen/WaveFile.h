#pragma once
#include <QByteArray>
#include <QString>
#include <vector>

struct WaveFormat {
    int sampleRate;
    int channels;
    int bitsPerSample; // 8 (unsigned) or 16 (signed)
};

// A complete PCM RIFF/WAVE file: the "fmt " and "data" chunks. Samples are in -1..1, one per
// channel per frame, interleaved; values outside are clipped.
QByteArray EncodeWave(const WaveFormat& format, const std::vector<double>& samples);
bool WriteWave(const WaveFormat& format, const std::vector<double>& samples, const QString& path);
