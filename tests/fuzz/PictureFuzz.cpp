// The picture loader over any bytes: load, then draw whole and as N x N tiles.
#include "FuzzSupport.h"
#include "Picture.h"

#include <QPainter>

namespace {

constexpr int TileSide = 6;

// The picture drawn as n x n tiles, the way the board cuts it (n = 1: whole), onto a surface
// filled with the background first.
QImage Render(const Picture& picture, int n, Qt::GlobalColor background)
{
    QImage surface(n * TileSide, n * TileSide, QImage::Format_RGB32);
    surface.fill(background);
    QPainter painter(&surface);
    const int width = picture.GetWidth() / n;
    const int height = picture.GetHeight() / n;
    for (int column = 0; column < n; ++column)
        for (int row = 0; row < n; ++row)
            FUZZ_CHECK(picture.Draw(&painter, column * TileSide, row * TileSide, TileSide, TileSide,
                                    column * width, row * height, width, height));
    return surface;
}

Picture BuiltIn()
{
    static const Picture builtIn = [] {
        Picture picture;
        FUZZ_CHECK(picture.LoadFromResource("BMP", "IDR_BMP2"));
        return picture;
    }();
    return builtIn;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    Fuzz::SetUp();
    // A load replaces what the picture held: a refused one leaves it empty.
    Picture picture = BuiltIn();
    const bool loaded = picture.LoadFromBuffer(data, std::uint32_t(size));
    FUZZ_CHECK(loaded == !picture.IsEmpty());
    if (!loaded) {
        QImage surface(1, 1, QImage::Format_RGB32);
        QPainter painter(&surface);
        FUZZ_CHECK(picture.GetWidth() == 0 && picture.GetHeight() == 0);
        FUZZ_CHECK(!picture.Draw(&painter, 0, 0, 1, 1, 0, 0, 1, 1));
        return 0;
    }
    FUZZ_CHECK(picture.GetWidth() > 0 && picture.GetHeight() > 0);

    // Every pixel comes from the bytes: a second decode, into other memory, gives the same.
    Picture again;
    FUZZ_CHECK(again.LoadFromBuffer(data, std::uint32_t(size)));
    FUZZ_CHECK(again.Image() == picture.Image());

    // Told it will be drawn small, a picture is decoded no larger (a JPEG row by row), and still
    // knows its own size.
    Picture small;
    small.SetDrawnSize([](QSize) { return QSize(7, 5); });
    if (small.LoadFromBuffer(data, std::uint32_t(size))) {
        FUZZ_CHECK(small.Image().width() <= 7 && small.Image().height() <= 5);
        FUZZ_CHECK(small.GetWidth() == picture.GetWidth() && small.GetHeight() == picture.GetHeight());
    }

    // Transparency is laid over the board's black at load: the picture covers the whole
    // rectangle it is drawn into, whole or tile by tile.
    FUZZ_CHECK(!picture.Image().hasAlphaChannel());
    for (int n : {1, 2 + int(size % 9)})
        FUZZ_CHECK(Render(picture, n, Qt::black) == Render(picture, n, Qt::white));
    return 0;
}
