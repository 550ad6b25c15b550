// Every picture and sound the game asks for by name is compiled in, in the format the game and
// the players' sound devices expect.
#include "LittleEndian.h"
#include "ResourceInit.h"

#include <QFile>
#include <QImage>
#include <cmath>
#include <gtest/gtest.h>

namespace {

QByteArray ReadResource(const QString& name)
{
    InitTiloraResources();
    QFile file(name);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

struct BitmapCase {
    const char* name;
    int width;
    int height;
};

TEST(ResourceFormat, BitmapsAreComplete24BitFilesOfTheirSize)
{
    const BitmapCase cases[] = {
        {":/BMP/IDR_BMP2", 350, 351},
        {":/BITMAP/116", 197, 198},
        {":/BITMAP/129", 256, 32},
        {":/BITMAP/133", 256, 32},
    };
    for (const BitmapCase& c : cases) {
        SCOPED_TRACE(c.name);
        const QByteArray bytes = ReadResource(c.name);
        ASSERT_GT(bytes.size(), 54);
        EXPECT_EQ(bytes.left(2), QByteArray("BM"));
        EXPECT_EQ(ReadU32(bytes, 2), std::uint32_t(bytes.size()));
        EXPECT_EQ(ReadU32(bytes, 14), 40u);
        EXPECT_EQ(int(ReadU32(bytes, 18)), c.width);
        EXPECT_EQ(int(ReadU32(bytes, 22)), c.height); // positive: the ordinary bottom-up layout
        EXPECT_EQ(ReadU16(bytes, 28), 24);
        EXPECT_EQ(ReadU32(bytes, 30), 0u);            // uncompressed
        const std::uint32_t rowBytes = (std::uint32_t(c.width) * 3 + 3) & ~3u;
        EXPECT_EQ(ReadU32(bytes, 10) + rowBytes * std::uint32_t(c.height), std::uint32_t(bytes.size()));

        const QImage decoded = QImage::fromData(bytes);
        EXPECT_EQ(decoded.size(), QSize(c.width, c.height));
    }
}

struct SoundCase {
    const char* name;
    int channels;
    int bits;
    double seconds;
    double tolerance;
};

// One channel's samples as -1..1, from 8-bit unsigned or 16-bit signed PCM.
double SampleAt(const QByteArray& data, int bits, int index)
{
    if (bits == 8)
        return (std::uint8_t(data[index]) - 128) / 128.0;
    return std::int16_t(ReadU16(data, index * 2)) / 32768.0;
}

TEST(ResourceFormat, SoundsArePcmWavesOfTheirFormatAndLength)
{
    const SoundCase cases[] = {
        {":/WAVE/IDR_SLIDER", 2, 16, 0.015, 0.005},
        {":/WAVE/IDR_SHUFFLE", 1, 16, 0.080, 0.02},
        {":/WAVE/IDR_COMPLETE", 1, 8, 2.3, 0.2},
    };
    for (const SoundCase& c : cases) {
        SCOPED_TRACE(c.name);
        const QByteArray bytes = ReadResource(c.name);
        ASSERT_GE(bytes.size(), 44);
        EXPECT_EQ(bytes.mid(0, 4), QByteArray("RIFF"));
        EXPECT_EQ(ReadU32(bytes, 4), std::uint32_t(bytes.size() - 8));
        EXPECT_EQ(bytes.mid(8, 4), QByteArray("WAVE"));
        EXPECT_EQ(bytes.mid(12, 4), QByteArray("fmt "));
        EXPECT_EQ(ReadU16(bytes, 20), 1);        // PCM
        EXPECT_EQ(ReadU16(bytes, 22), c.channels);
        EXPECT_EQ(ReadU32(bytes, 24), 11025u);
        const int blockAlign = c.channels * c.bits / 8;
        EXPECT_EQ(ReadU32(bytes, 28), std::uint32_t(11025 * blockAlign));
        EXPECT_EQ(ReadU16(bytes, 32), blockAlign);
        EXPECT_EQ(ReadU16(bytes, 34), c.bits);
        ASSERT_EQ(bytes.mid(36, 4), QByteArray("data"));
        const std::uint32_t dataBytes = ReadU32(bytes, 40);
        ASSERT_LE(44 + dataBytes, std::uint32_t(bytes.size()));
        EXPECT_NEAR(double(dataBytes) / blockAlign / 11025.0, c.seconds, c.tolerance);

        // Soft at both ends (no click as a sound starts or is cut off) and never at full scale.
        const QByteArray data = bytes.mid(44, int(dataBytes));
        const int samples = int(dataBytes) / (c.bits / 8);
        double peak = 0;
        for (int i = 0; i < samples; ++i)
            peak = std::max(peak, std::abs(SampleAt(data, c.bits, i)));
        EXPECT_GT(peak, 0.2);
        EXPECT_LT(peak, 0.9);
        for (int ch = 0; ch < c.channels; ++ch) {
            EXPECT_LT(std::abs(SampleAt(data, c.bits, ch)), 0.02);
            EXPECT_LT(std::abs(SampleAt(data, c.bits, samples - c.channels + ch)), 0.02);
        }
    }
}

TEST(ResourceFormat, ProgramIconIsASquareTransparentPicture)
{
    const QImage icon = QImage::fromData(ReadResource(":/ICON/111"));
    ASSERT_FALSE(icon.isNull());
    EXPECT_EQ(icon.width(), icon.height());
    EXPECT_GE(icon.width(), 32);
    EXPECT_TRUE(icon.hasAlphaChannel());
    EXPECT_EQ(qAlpha(icon.pixel(0, 0)), 0);
}

} // namespace
