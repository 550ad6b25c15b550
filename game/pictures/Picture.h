#pragma once

#include <QImage>
#include <QSize>
#include <QString>
#include <cstdint>

class QIODevice;
class QPainter;

// One decoded picture of one of the picture kinds (the bytes decide, not the name), opaque.
// Sizes and source rectangles are in HIMETRIC (hundredths of a millimetre) at 96 pixels per inch,
// as the rest of the game measures pictures, and always describe the picture's natural size,
// however small it was decoded. Every load empties the picture first, so a failed load leaves it empty. Files
// and buffers over 256 MiB, pictures whose pixels would take more, and pictures whose data
// ends early are refused.
class Picture {
public:
    static constexpr int PixelsPerInch = 96;

    // The largest size, in pixels, this picture will be drawn at: larger pictures are decoded
    // only as large as that needs. By default the largest screen's size, as no board is larger.
    void SetLargestDrawnSize(QSize pixels) { largestDrawn_ = pixels; }
    QSize LargestDrawnSize() const;

    bool LoadFromFile(const QString& path);
    // The resource ":/<type>/<name>", e.g. ("BMP", "IDR_BMP2").
    bool LoadFromResource(const QString& type, const QString& name);
    // Decodes the caller's bytes, which need to live only for the call.
    bool LoadFromBuffer(const unsigned char* bytes, std::uint32_t size);
    void Unload();

    bool IsEmpty() const { return image_.isNull(); }
    int GetWidth() const;   // HIMETRIC; 0 when empty
    int GetHeight() const;  // HIMETRIC; 0 when empty

    // Draws the source rectangle (HIMETRIC, from the top-left) stretched into the destination
    // rectangle (the painter's logical units), upright. False, drawing nothing, when the painter
    // is missing or the picture is empty.
    bool Draw(QPainter* target, int x, int y, int cx, int cy,
              int xSrc, int ySrc, int cxSrc, int cySrc) const;

    // The decoded pixels, for callers that cache a scaled copy; possibly smaller than the natural
    // size, never smaller than the largest drawn size.
    const QImage& Image() const { return image_; }

    // MulDiv(value, numerator, denominator): rounded to nearest, as the HIMETRIC conversions use.
    static int MulDiv(int value, int numerator, int denominator);
    static int HimetricToPixels(int himetric) { return MulDiv(himetric, PixelsPerInch, 2540); }
    static int PixelsToHimetric(int pixels) { return MulDiv(pixels, 2540, PixelsPerInch); }

private:
    bool Load(QIODevice& device);

    QImage image_;
    QSize natural_;
    QSize largestDrawn_;
};
