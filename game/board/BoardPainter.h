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

// The picture as the board shows it, the one image the board keeps: every tile's piece of the
// picture at the tile size, laid at the tile's home cell, in device pixels (width x height
// logical pixels times the pixel ratio, so a picture larger than the board stays as sharp as the
// screen allows). A picture decoded at exactly that size is taken as it is, its pixels shared;
// any other is cut once per picture, N, board size and pixel ratio. Every paint copies pieces
// out of it. While the board shows a grid, each piece carries its share of it (its left and top
// lines), so a paint is a copy a cell; the few pixels under those lines are kept aside to take
// them out again.
class BoardPicture {
public:
    const QImage& Tiles(const Picture& picture, int n, int width, int height, qreal ratio = 1.0);

    // Paints the part area of the board into target: each cell's piece where its tile lies, or
    // the hole, the grid while unsolved, then the selection frame and the keyboard cursor.
    // Nothing outside area is touched.
    void Paint(QPainter& target, const QRect& area, const ShownBoard& board, const Picture& picture,
               const BoardLook& look);
    // Tiles on their way between cells, drawn over a board painted with the cells the move
    // changed left empty, progress (0 to 1) of the way along. They glide without grid lines.
    void PaintGliding(QPainter& target, const ShownBoard& board, const Picture& picture,
                      const std::vector<TileGlide>& glides, qreal progress);

private:
    void Cut(const Picture& picture, int n, int width, int height, qreal ratio);
    void Rescale(qreal ratio);
    // Draws the pieces' grid lines in the colour given, or takes them out.
    void ShowGrid(std::optional<QRgb> grid);
    // The lines' pixels in device pixels: down at each home column, across at each home row.
    QRect ColumnLine(int column) const;
    QRect RowLine(int row) const;

    QImage tiles_;
    qint64 pictureKey_ = 0;
    int n_ = 0;
    int width_ = 0;
    int height_ = 0;
    qreal ratio_ = 1.0;
    std::optional<QRgb> grid_;
    std::vector<QImage> underColumns_;
    std::vector<QImage> underRows_;
};

// Where a gliding tile stands at progress, in the board's logical pixels.
QRect GlidingTileRect(const ShownBoard& board, const TileGlide& glide, qreal progress);

QColor GridColourFor(int gridColour);
QColor SelectionColourFor(int selColour);
