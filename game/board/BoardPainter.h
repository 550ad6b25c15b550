#pragma once

#include "Position.h"
#include "TileGlide.h"

#include <QColor>
#include <QImage>
#include <QRect>
#include <optional>
#include <vector>

class Picture;
class QPainter;

// What a paint shows of the game: the arrangement, the selected cell, the board's size in
// logical pixels (multiples of N once a puzzle is set up), the keyboard cursor's cell once the
// keyboard is used, and the screen's device pixels per logical pixel.
struct ShownBoard {
    const Position& Arrangement;
    std::optional<Cell> Selection;
    int Width = 0;
    int Height = 0;
    std::optional<Cell> Cursor;
    qreal PixelRatio = 1.0;

    int N() const { return Arrangement.N(); }
    int TileWidth() const { return Width / N(); }
    int TileHeight() const { return Height / N(); }
    // The one rule of the board's geometry: where a cell lies, in logical pixels.
    QRect CellRect(Cell cell) const
    {
        return QRect(cell.Column * TileWidth(), cell.Row * TileHeight(), TileWidth(), TileHeight());
    }
};

// The options and system colours a board paint reads.
struct BoardLook {
    int Grid = 1;        // grid lines while unsolved when non-zero
    int GridColour = 0;  // 0 black, 1 white, 2 red
    int SelColour = 1;   // 0 black, 1 yellow, 2 red
    QColor ButtonFace = QColor(212, 208, 200);
    QColor ButtonShadow = QColor(128, 128, 128);
};

// The picture as the board shows it, kept between paints so that a paint only copies. Both
// images hold device pixels: width x height logical pixels times the pixel ratio, so a picture
// larger than the board stays as sharp as the screen allows.
// Tiles: every tile's piece of the picture scaled to the tile size and laid at the tile's home
// cell, cut once per picture, N, board size and pixel ratio. Arranged: the board as it stands,
// with its grid, the selection frame and the keyboard cursor; only the cells that changed since
// the last call are redrawn (and those a frame left), and all of them when the grid comes or
// goes or changes colour.
class BoardPicture {
public:
    const QImage& Tiles(const Picture& picture, int n, int width, int height, qreal ratio = 1.0);
    const QImage& Arranged(const ShownBoard& board, const Picture& picture, const BoardLook& look);

private:
    static constexpr int Unknown = -2;
    // An outline around a cell: the selection's is solid, the keyboard cursor's dashed.
    struct Frame {
        int Column;
        int Row;
        QRgb Colour;
        bool Dashed;
        bool operator==(const Frame&) const = default;
    };
    static std::vector<Frame> FramesOf(const ShownBoard& board, const BoardLook& look);
    void Cut(const Picture& picture, int n, int width, int height, qreal ratio);
    void ForgetCellsUnder(const Frame& frame, int n);
    void ForgetArrangement();
    void DrawCell(QPainter& painter, const ShownBoard& board, int column, int row,
                  const BoardLook& look);

    QImage tiles_;
    qint64 pictureKey_ = 0;
    int n_ = 0;
    int width_ = 0;
    int height_ = 0;
    qreal ratio_ = 1.0;
    QImage arranged_;
    int shown_[10][10] = {};
    QRgb holeFace_ = 0;
    QRgb holeShadow_ = 0;
    std::optional<QRgb> grid_;
    std::vector<Frame> framed_;
};

// Shows the board in target: the off-screen image kept by BoardPicture::Arranged for this board
// is copied to target in one step. area is the part of target being painted.
void PaintBoard(QPainter& target, const QRect& area, const ShownBoard& board,
                const QImage& arranged);

// Tiles on their way between cells, drawn over a board painted with the cells the move changed
// left empty, progress (0 to 1) of the way along; tiles is the cut picture of BoardPicture.
void PaintGlidingTiles(QPainter& target, const ShownBoard& board, const QImage& tiles,
                       const std::vector<TileGlide>& glides, qreal progress);
// Where a gliding tile stands at progress, in the board's logical pixels.
QRect GlidingTileRect(const ShownBoard& board, const TileGlide& glide, qreal progress);

QColor GridColourFor(int gridColour);
QColor SelectionColourFor(int selColour);
