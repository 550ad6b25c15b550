#include "BoardPainter.h"

#include "Picture.h"

#include <QPainter>
#include <algorithm>
#include <cmath>
#include <optional>

QColor GridColourFor(int gridColour)
{
    switch (gridColour) {
    case 2: return QColor(255, 0, 0);
    case 1: return QColor(255, 255, 255);
    default: return QColor(0, 0, 0);
    }
}

QColor SelectionColourFor(int selColour)
{
    switch (selColour) {
    case 0: return QColor(0, 0, 0);
    case 1: return QColor(255, 255, 0);
    default: return QColor(255, 0, 0);
    }
}

namespace {

void DrawHole(QPainter& painter, const QRect& cell, const BoardLook& look)
{
    painter.fillRect(cell, look.ButtonFace);
    // A one-pixel sunken edge: shadow above and to the left, white below and to the right.
    const QColor white(255, 255, 255);
    painter.fillRect(cell.left(), cell.top(), cell.width(), 1, look.ButtonShadow);
    painter.fillRect(cell.left(), cell.top(), 1, cell.height(), look.ButtonShadow);
    painter.fillRect(cell.left(), cell.bottom(), cell.width(), 1, white);
    painter.fillRect(cell.right(), cell.top(), 1, cell.height(), white);
}

// The grid has lines at 0, tw, ..., (N-1)tw and W-1 across, the same down, so the right and
// bottom edges close. A cell's share is its left and top lines; the pieces of the cut picture
// carry theirs, a hole or an empty cell is given them here.
void DrawCellGrid(QPainter& painter, const QRect& cell, const QColor& colour)
{
    painter.fillRect(cell.left(), cell.top(), 1, cell.height(), colour);
    painter.fillRect(cell.left(), cell.top(), cell.width(), 1, colour);
}

void DrawClosingLines(QPainter& painter, const ShownBoard& board, const QColor& colour)
{
    painter.fillRect(board.Width - 1, 0, 1, board.N() * board.TileHeight(), colour);
    painter.fillRect(0, board.Height - 1, board.N() * board.TileWidth(), 1, colour);
}

// What the grid looks like on this board now: no grid, or the colour of its lines.
std::optional<QRgb> GridOf(const ShownBoard& board, const BoardLook& look)
{
    if (look.Grid == 0 || IsSolved(board.Arrangement))
        return std::nullopt;
    return GridColourFor(look.GridColour).rgb();
}

// A one-pixel line across (or down) from (x, y): whole, or in dashes with gaps as long.
void DrawLine(QPainter& painter, int x, int y, int length, bool across, bool dashed,
              const QColor& colour)
{
    constexpr int Dash = 3;
    const int step = dashed ? 2 * Dash : length;
    for (int at = 0; at < length; at += step) {
        const int run = std::min(dashed ? Dash : length, length - at);
        if (across)
            painter.fillRect(x + at, y, run, 1, colour);
        else
            painter.fillRect(x, y + at, 1, run, colour);
    }
}

// The outline covers (x0, y0) to (x0 + w, y0 + h); in the last column or row it is one pixel
// narrower or shorter, so that it stays inside the board.
void DrawOutline(QPainter& painter, const ShownBoard& board, int column, int row,
                 const QColor& colour, bool dashed)
{
    const int n = board.N();
    const QRect cell = board.CellRect({column, row});
    const int x0 = cell.x();
    const int y0 = cell.y();
    const int w = cell.width() - (column == n - 1 ? 1 : 0);
    const int h = cell.height() - (row == n - 1 ? 1 : 0);
    DrawLine(painter, x0, y0, w + 1, true, dashed, colour);
    DrawLine(painter, x0, y0 + h, w + 1, true, dashed, colour);
    DrawLine(painter, x0, y0, h + 1, false, dashed, colour);
    DrawLine(painter, x0 + w, y0, h + 1, false, dashed, colour);
}

// Tile t's piece in the cut picture, in its device pixels.
QRectF PieceOf(int tile, const ShownBoard& board, qreal ratio)
{
    const QRectF home = board.CellRect(Cell{tile % board.N(), tile / board.N()});
    return QRectF(home.topLeft() * ratio, home.size() * ratio);
}

} // namespace

const QImage& BoardPicture::Tiles(const Picture& picture, int n, int width, int height, qreal ratio)
{
    const bool samePuzzle = !tiles_.isNull() && picture.Serial() == pictureKey_ && n == n_ && width == width_
        && height == height_;
    if (samePuzzle && ratio != ratio_ && picture.Image().width() < tiles_.width())
        Rescale(ratio);
    else if (!samePuzzle || ratio != ratio_)
        Cut(picture, n, width, height, ratio);
    return tiles_;
}

// The board moved to a screen of another pixel ratio after the picture kept only a small copy:
// the cut it has is the sharpest source left.
void BoardPicture::Rescale(qreal ratio)
{
    ShowGrid(std::nullopt);
    const QSize device(qMax(static_cast<int>(std::lround(width_ * ratio)), 1),
                       qMax(static_cast<int>(std::lround(height_ * ratio)), 1));
    tiles_ = tiles_.scaled(device, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
    ratio_ = ratio;
}

void BoardPicture::Cut(const Picture& picture, int n, int width, int height, qreal ratio)
{
    pictureKey_ = picture.Serial();
    n_ = n;
    width_ = width;
    height_ = height;
    ratio_ = ratio;
    grid_.reset();
    const QSize device(qMax(static_cast<int>(std::lround(width * ratio)), 1),
                       qMax(static_cast<int>(std::lround(height * ratio)), 1));
    // A picture decoded at the board's own size is its cut already: its pixels are shared, not
    // copied, as long as the cells divide the board evenly.
    const bool cellsFill = n > 0 && width % n == 0 && height % n == 0;
    if (cellsFill && picture.Image().size() == device && picture.Image().format() == QImage::Format_RGB32) {
        tiles_ = picture.Image();
        return;
    }
    // RGB32 has no alpha, so drawing from it is a straight copy.
    tiles_ = QImage(device, QImage::Format_RGB32);
    tiles_.fill(Qt::black);
    if (n <= 0 || width < n || height < n)
        return;
    const int tw = width / n;
    const int th = height / n;
    const int sourceTileWidth = picture.GetWidth() / n;
    const int sourceTileHeight = picture.GetHeight() / n;
    QPainter painter(&tiles_);
    // The painter works in logical pixels; the scale puts the picture's own detail into the extra
    // device pixels. Each piece is scaled on its own, exactly as drawing tile by tile would.
    painter.scale(ratio, ratio);
    for (int t = 0; t < n * n; ++t) {
        const int homeColumn = t % n;
        const int homeRow = t / n;
        picture.Draw(&painter, homeColumn * tw, homeRow * th, tw, th,
                     homeColumn * sourceTileWidth, homeRow * sourceTileHeight,
                     sourceTileWidth, sourceTileHeight);
    }
}

// A logical pixel's line covers the device pixels it starts in up to those the next one starts
// in; a fractional ratio is rounded outwards, so that all it touches is kept.
QRect BoardPicture::ColumnLine(int column) const
{
    const int left = static_cast<int>(std::floor(column * (width_ / n_) * ratio_));
    const int right = static_cast<int>(std::ceil((column * (width_ / n_) + 1) * ratio_));
    return QRect(left, 0, right - left, tiles_.height());
}

QRect BoardPicture::RowLine(int row) const
{
    const int top = static_cast<int>(std::floor(row * (height_ / n_) * ratio_));
    const int bottom = static_cast<int>(std::ceil((row * (height_ / n_) + 1) * ratio_));
    return QRect(0, top, tiles_.width(), bottom - top);
}

void BoardPicture::ShowGrid(std::optional<QRgb> grid)
{
    if (grid == grid_ || n_ <= 0 || width_ < n_ || height_ < n_)
        return;
    // In device pixels throughout: the cut carries no pixel ratio of its own, so that a picture's
    // shared pixels are never copied to take one.
    QPainter painter(&tiles_);
    if (grid_) {
        painter.setCompositionMode(QPainter::CompositionMode_Source);
        for (int line = 0; line < n_; ++line) {
            painter.drawImage(ColumnLine(line).topLeft(), underColumns_[line]);
            painter.drawImage(RowLine(line).topLeft(), underRows_[line]);
        }
    } else {
        underColumns_.clear();
        underRows_.clear();
        for (int line = 0; line < n_; ++line) {
            underColumns_.push_back(tiles_.copy(ColumnLine(line)));
            underRows_.push_back(tiles_.copy(RowLine(line)));
        }
    }
    grid_ = grid;
    if (!grid)
        return;
    const int cellsRight = static_cast<int>(std::lround(n_ * (width_ / n_) * ratio_));
    const int cellsBottom = static_cast<int>(std::lround(n_ * (height_ / n_) * ratio_));
    for (int line = 0; line < n_; ++line) {
        const QRect down = ColumnLine(line);
        const QRect across = RowLine(line);
        painter.fillRect(down.left(), 0, down.width(), cellsBottom, QColor(*grid));
        painter.fillRect(0, across.top(), cellsRight, across.height(), QColor(*grid));
    }
}

namespace {

// An outline around a cell: the selection's is solid, the keyboard cursor's dashed.
struct Frame {
    Cell At;
    QColor Colour;
    bool Dashed;
};

std::vector<Frame> FramesOf(const ShownBoard& board, const BoardLook& look)
{
    std::vector<Frame> frames;
    const QColor colour = SelectionColourFor(look.SelColour);
    if (board.Selection)
        frames.push_back(Frame{*board.Selection, colour, false});
    if (board.Cursor && board.Arrangement.Contains(*board.Cursor))
        frames.push_back(Frame{*board.Cursor, colour, true});
    return frames;
}

void DrawCell(QPainter& painter, const ShownBoard& board, Cell at, const QImage& tiles,
              const std::optional<QRgb>& grid, const BoardLook& look)
{
    const int tile = board.Arrangement.At(at.Column, at.Row);
    const QRect cell = board.CellRect(at);
    if (tile >= 0 && tile < board.N() * board.N())
        return painter.drawImage(QRectF(cell), tiles, PieceOf(tile, board, board.PixelRatio));
    if (tile == Position::Hole)
        DrawHole(painter, cell, look);
    else
        painter.fillRect(cell, Qt::black);
    if (grid)
        DrawCellGrid(painter, cell, QColor(*grid));
}

} // namespace

void BoardPicture::Paint(QPainter& target, const QRect& area, const ShownBoard& board,
                         const Picture& picture, const BoardLook& look)
{
    const QRect shown = area & QRect(0, 0, board.Width, board.Height);
    if (board.Width < board.N() || board.Height < board.N() || shown.isEmpty())
        return;
    const std::optional<QRgb> grid = GridOf(board, look);
    const QImage& tiles = Tiles(picture, board.N(), board.Width, board.Height, board.PixelRatio);
    ShowGrid(grid);
    // Cells cut by the area's edges are drawn whole, clipped; a paint of the whole board needs no
    // clip, and goes faster without.
    target.save();
    if (shown != QRect(0, 0, board.Width, board.Height))
        target.setClipRect(shown);
    // A board whose size N does not divide leaves a strip beyond the last cells.
    const QRect cells(0, 0, board.N() * board.TileWidth(), board.N() * board.TileHeight());
    if (!cells.contains(shown))
        target.fillRect(shown, Qt::black);
    const int lastColumn = std::min(shown.right() / board.TileWidth(), board.N() - 1);
    const int lastRow = std::min(shown.bottom() / board.TileHeight(), board.N() - 1);
    for (int row = shown.top() / board.TileHeight(); row <= lastRow; ++row)
        for (int column = shown.left() / board.TileWidth(); column <= lastColumn; ++column)
            DrawCell(target, board, Cell{column, row}, tiles, grid, look);
    if (grid)
        DrawClosingLines(target, board, QColor(*grid));
    // Over the grid: a frame's right and bottom lines lie on the next cells' first pixels.
    for (const Frame& frame : FramesOf(board, look))
        DrawOutline(target, board, frame.At.Column, frame.At.Row, frame.Colour, frame.Dashed);
    target.restore();
}

void BoardPicture::PaintGliding(QPainter& target, const ShownBoard& board, const Picture& picture,
                                const std::vector<TileGlide>& glides, qreal progress)
{
    const int n = board.N();
    const QImage& tiles = Tiles(picture, n, board.Width, board.Height, board.PixelRatio);
    for (const TileGlide& glide : glides) {
        if (glide.Tile < 0 || glide.Tile >= n * n)
            continue;
        const QRectF at = GlidingTileRect(board, glide, progress);
        const QRectF piece = PieceOf(glide.Tile, board, ratio_);
        target.drawImage(at, tiles, piece);
        if (!grid_)
            continue;
        // The piece's own pixels where its grid lines are drawn in.
        const int column = glide.Tile % n;
        const int row = glide.Tile / n;
        const QRectF down(0, piece.top(), ColumnLine(column).width(), piece.height());
        const QRectF across(piece.left(), 0, piece.width(), RowLine(row).height());
        target.drawImage(QRectF(at.topLeft(), down.size() / ratio_), underColumns_[column], down);
        target.drawImage(QRectF(at.topLeft(), across.size() / ratio_), underRows_[row], across);
    }
}

QRect GlidingTileRect(const ShownBoard& board, const TileGlide& glide, qreal progress)
{
    const QRect from = board.CellRect(glide.From);
    const QRect to = board.CellRect(glide.To);
    return from.translated(qRound((to.x() - from.x()) * progress), qRound((to.y() - from.y()) * progress));
}
