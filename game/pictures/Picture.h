#pragma once

#include "PictureDecoder.h"

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
    // The size a picture will be drawn at, from its natural size, when that is known before it is
    // decoded: a larger picture is then decoded to exactly that size (each side no larger than
    // its own), so the one who draws it can use the pixels as they are.
    void SetDrawnSize(PictureDecoder::DrawnSizeRule rule) { drawnAt_ = std::move(rule); }

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
    // size, never smaller than the largest drawn size until a small copy is all that is kept.
    const QImage& Image() const { return image_; }
    // Tells one load from any other; the same for as long as the picture shows what that load read.
    quint64 Serial() const { return serial_; }
    // Once another holder shares the decoded pixels (a board that took them as they are, to draw
    // its grid into), the picture keeps only a copy covering `drawnSmall`, enough for drawing it
    // that small; pixels nobody else holds stay as they are.
    void KeepSmallCopyOnceShared(QSize drawnSmall);

    // MulDiv(value, numerator, denominator): rounded to nearest, as the HIMETRIC conversions use.
    static int MulDiv(int value, int numerator, int denominator);
    static int HimetricToPixels(int himetric) { return MulDiv(himetric, PixelsPerInch, 2540); }
    static int PixelsToHimetric(int pixels) { return MulDiv(pixels, 2540, PixelsPerInch); }

private:
    bool Load(QIODevice& device);

    QImage image_;
    quint64 serial_ = 0;
    QSize natural_;
    QSize largestDrawn_;
    PictureDecoder::DrawnSizeRule drawnAt_;
};
