#pragma once

#include <QImage>
#include <QSize>
#include <QtGlobal>
#include <vector>

// Scales a picture down by area averaging while its rows arrive one at a time, so that neither
// the picture at its own size nor a second full image is ever held: each target pixel is the
// mean of the source area it covers, each side with a factor of its own. Pixels are 32-bit words
// in RGB32's memory order; the fourth byte is taken as opaque.
class RowScaler {
public:
    // `into` is the result, RGB32, no larger than `from` on either side.
    RowScaler(QSize from, QImage& into);

    // The next source row, `from.width()` pixels. Target rows are written as soon as every
    // source row that covers them is in.
    void Add(const quint32* row);
    // Every row of the source has been added.
    bool Finished() const { return sourceRow_ == from_.height(); }

private:
    // Where one source pixel (or row) goes: its share of target pixel `First` and of the one after
    // it, in 256ths of the target's area. A target is never smaller than a source pixel, so no
    // source pixel reaches a third one; every target's shares sum to exactly 256.
    struct Share {
        int First;
        quint32 ToFirst;
        quint32 ToNext;
    };
    static std::vector<Share> Shares(int from, int to);
    void SpreadAcross(const quint32* row);
    void WriteRow(int targetRow);

    QSize from_;
    QImage& into_;
    std::vector<Share> columns_;
    // Each column's two shares, four lanes each, as SpreadAcross multiplies a pixel's channels.
    std::vector<quint16> columnWeights_;
    std::vector<Share> rows_;
    // The row being added, scaled across: a sum a channel of each target pixel, and one pixel spare.
    // A sum is at most 256 x 255, so 16 bits hold it.
    std::vector<quint16> across_;
    std::vector<quint32> gathering_;  // the target row the source rows now fall in
    std::vector<quint32> next_;       // and the one after it
    int sourceRow_ = 0;
    int targetRow_ = 0;
};
