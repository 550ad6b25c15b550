// The encoders behind the generated bitmaps and sounds: byte order, row order and padding are
// where hand-written file formats go wrong.
#include "BmpFile.h"
#include "LittleEndian.h"
#include "WaveFile.h"

#include <gtest/gtest.h>

namespace {

TEST(AssetFiles, BmpKeepsEveryPixelInPlaceForWidthsThatNeedRowPadding)
{
    for (int width : {1, 2, 3, 4, 5}) {
        SCOPED_TRACE(width);
        QImage image(width, 3, QImage::Format_RGB32);
        for (int y = 0; y < 3; ++y)
            for (int x = 0; x < width; ++x)
                image.setPixel(x, y, qRgb(10 + 40 * x, 20 + 70 * y, 200 - 30 * x));
        // Transparency is dropped, not turned into a 32-bit file.
        const QByteArray bytes = EncodeBmp24(image.convertToFormat(QImage::Format_ARGB32));

        const int rowBytes = (width * 3 + 3) & ~3;
        EXPECT_EQ(bytes.size(), 54 + rowBytes * 3);
        EXPECT_EQ(ReadU16(bytes, 28), 24);
        const QImage decoded = QImage::fromData(bytes, "BMP").convertToFormat(QImage::Format_RGB32);
        ASSERT_EQ(decoded.size(), image.size());
        for (int y = 0; y < 3; ++y)
            for (int x = 0; x < width; ++x)
                EXPECT_EQ(decoded.pixel(x, y), image.pixel(x, y)) << x << "," << y;
    }
}

TEST(AssetFiles, WaveSamplesAreScaledClippedAndPaddedToWholeChunks)
{
    // 8-bit is unsigned around 128; out-of-range values clip; an odd data size gets a pad byte
    // that is not counted in the data chunk.
    const QByteArray eight = EncodeWave({11025, 1, 8}, {0.0, 1.0, -1.0, 2.0, -2.0});
    EXPECT_EQ(ReadU32(eight, 40), 5u);
    EXPECT_EQ(eight.size(), 44 + 6);
    EXPECT_EQ(ReadU32(eight, 4), std::uint32_t(eight.size() - 8));
    const QByteArray expected("\x80\xff\x01\xff\x01", 5);
    EXPECT_EQ(eight.mid(44, 5), expected);

    // 16-bit stereo: a trailing half frame is dropped rather than leaving the channels swapped.
    const QByteArray sixteen = EncodeWave({11025, 2, 16}, {0.5, -0.5, 1.0});
    EXPECT_EQ(ReadU32(sixteen, 40), 4u);
    EXPECT_EQ(ReadU16(sixteen, 32), 4);
    EXPECT_EQ(std::int16_t(ReadU16(sixteen, 44)), 16384);
    EXPECT_EQ(std::int16_t(ReadU16(sixteen, 46)), -16384);
}

} // namespace
