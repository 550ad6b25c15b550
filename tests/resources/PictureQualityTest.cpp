// The pictures a player meets first must be usable: the built-in picture is solved by eye as a
// 4 x 4 puzzle, and each toolbar picture stands on the see-through grey.
#include "ResourceInit.h"

#include <QImage>
#include <cmath>
#include <gtest/gtest.h>
#include <vector>

namespace {

QImage LoadResourceImage(const QString& name)
{
    InitTiloraResources();
    return QImage(name).convertToFormat(QImage::Format_RGB32);
}

struct TileStats {
    double mean[3] = {0, 0, 0};
    double spread = 0; // standard deviation of brightness
};

TileStats Measure(const QImage& image, const QRect& r)
{
    TileStats s;
    double sum = 0, sumSquares = 0;
    const double count = double(r.width()) * r.height();
    for (int y = r.top(); y <= r.bottom(); ++y) {
        for (int x = r.left(); x <= r.right(); ++x) {
            const QRgb p = image.pixel(x, y);
            s.mean[0] += qRed(p) / count;
            s.mean[1] += qGreen(p) / count;
            s.mean[2] += qBlue(p) / count;
            const double brightness = qGray(p);
            sum += brightness;
            sumSquares += brightness * brightness;
        }
    }
    s.spread = std::sqrt(std::max(0.0, sumSquares / count - (sum / count) * (sum / count)));
    return s;
}

TEST(PictureQuality, EveryTileOfTheBuiltInPictureHasDetailAndDiffersFromTheOthers)
{
    const QImage picture = LoadResourceImage(":/BMP/IDR_BMP2");
    ASSERT_EQ(picture.size(), QSize(350, 351));
    const int n = 4;
    std::vector<TileStats> tiles;
    for (int row = 0; row < n; ++row)
        for (int column = 0; column < n; ++column) {
            const QRect r(column * 350 / n, row * 351 / n, 350 / n, 351 / n);
            tiles.push_back(Measure(picture, r));
            SCOPED_TRACE(testing::Message() << "tile " << column << "," << row);
            EXPECT_GT(tiles.back().spread, 8.0) << "a flat tile cannot be placed by eye";
        }
    for (size_t a = 0; a < tiles.size(); ++a)
        for (size_t b = a + 1; b < tiles.size(); ++b) {
            double distance = 0;
            for (int k = 0; k < 3; ++k)
                distance += std::abs(tiles[a].mean[k] - tiles[b].mean[k]);
            distance += std::abs(tiles[a].spread - tiles[b].spread);
            EXPECT_GT(distance, 6.0) << "tiles " << a << " and " << b << " look alike";
        }
}

TEST(PictureQuality, EachToolbarPictureHasContentOnTheSeeThroughGrey)
{
    const QRgb seeThrough = qRgb(192, 192, 192);
    for (const char* name : {":/BITMAP/129", ":/BITMAP/133"}) {
        const QImage strip = LoadResourceImage(name);
        ASSERT_EQ(strip.size(), QSize(256, 32)) << name;
        for (int index = 0; index < 8; ++index) {
            SCOPED_TRACE(testing::Message() << name << " picture " << index);
            int clear = 0, drawn = 0;
            for (int y = 0; y < 32; ++y)
                for (int x = index * 32; x < index * 32 + 32; ++x)
                    (strip.pixel(x, y) == seeThrough ? clear : drawn)++;
            // A real picture: neither an empty slot nor a block that hides the button face.
            EXPECT_GT(drawn, 32 * 32 / 5);
            EXPECT_GT(clear, 32 * 32 / 10);
        }
    }
}

} // namespace
