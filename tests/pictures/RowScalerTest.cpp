#include "RowScaler.h"

#include <QImage>
#include <cmath>
#include <gtest/gtest.h>
#include <vector>

namespace {

// The mean of the source area a target pixel covers, worked out in floating point: a source
// pixel counts by how much of it lies inside.
double AreaMean(const QImage& source, QSize target, int tx, int ty, int shift)
{
    const double sx = double(source.width()) / target.width(), sy = double(source.height()) / target.height();
    double sum = 0;
    for (int y = int(ty * sy); y < source.height() && y < (ty + 1) * sy; ++y) {
        const double down = std::min<double>(y + 1, (ty + 1) * sy) - std::max<double>(y, ty * sy);
        for (int x = int(tx * sx); x < source.width() && x < (tx + 1) * sx; ++x) {
            const double across = std::min<double>(x + 1, (tx + 1) * sx) - std::max<double>(x, tx * sx);
            sum += across * down * ((source.pixel(x, y) >> shift) & 0xff);
        }
    }
    return sum / (sx * sy);
}

} // namespace

TEST(RowScalerTest, EachTargetPixelIsTheMeanOfTheAreaItCovers)
{
    const QSize cases[][2] = {
        {{7, 5}, {7, 5}},     // as it is
        {{8, 6}, {4, 3}},     // halves
        {{5, 3}, {3, 2}},     // fractions on both sides
        {{29, 4}, {3, 4}},    // many columns into few, rows as they are
        {{1, 9}, {1, 2}},
    };
    for (const auto& c : cases) {
        const QSize from = c[0], to = c[1];
        SCOPED_TRACE(QStringLiteral("%1x%2 to %3x%4").arg(from.width()).arg(from.height()).arg(to.width()).arg(to.height()).toStdString());
        QImage source(from, QImage::Format_RGB32);
        for (int y = 0; y < from.height(); ++y)
            for (int x = 0; x < from.width(); ++x)
                source.setPixel(x, y, qRgb((x * 37 + y * 91) % 256, (x * x * 13 + y * 7) % 256, (y * 53 + 200) % 256));
        QImage target(to, QImage::Format_RGB32);
        target.fill(0);
        RowScaler scaler(from, target);
        for (int y = 0; y < from.height(); ++y) {
            EXPECT_FALSE(scaler.Finished());
            scaler.Add(reinterpret_cast<const quint32*>(source.constScanLine(y)));
        }
        EXPECT_TRUE(scaler.Finished());
        for (int y = 0; y < to.height(); ++y) {
            for (int x = 0; x < to.width(); ++x) {
                EXPECT_EQ(qAlpha(target.pixel(x, y)), 255);
                for (int shift : {0, 8, 16})
                    EXPECT_NEAR((target.pixel(x, y) >> shift) & 0xff, AreaMean(source, to, x, y, shift), 1.01)
                        << x << "," << y << " channel at " << shift;
            }
        }
    }
}
