#include "BoardPainter.h"

#include "OffscreenSurface.h"
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
// bottom edges close. Each cell carries its own share: its left and top lines, and in the last
// column or row the closing line too.
void DrawCellGrid(QPainter& painter, const ShownBoard& board, const QRect& cell, int column,
                  int row, const QColor& colour)
{
    painter.fillRect(cell.left(), cell.top(), 1, cell.height(), colour);
    painter.fillRect(cell.left(), cell.top(), cell.width(), 1, colour);
    if (column == board.N() - 1)
        painter.fillRect(board.Width - 1, cell.top(), 1, cell.height(), colour);
    if (row == board.N() - 1)
        painter.fillRect(cell.left(), board.Height - 1, cell.width(), 1, colour);
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
    const qint64 key = picture.Image().cacheKey();
    if (tiles_.isNull() || key != pictureKey_ || n != n_ || width != width_ || height != height_
        || ratio != ratio_)
        Cut(picture, n, width, height, ratio);
    return tiles_;
}

void BoardPicture::Cut(const Picture& picture, int n, int width, int height, qreal ratio)
{
    pictureKey_ = picture.Image().cacheKey();
    n_ = n;
    width_ = width;
    height_ = height;
    ratio_ = ratio;
    ForgetArrangement();
    // RGB32 has no alpha, so drawing from it is a straight copy. The painter works in logical
    // pixels; the image's ratio puts the picture's own detail into the extra device pixels.
    const int deviceWidth = static_cast<int>(std::lround(width * ratio));
    const int deviceHeight = static_cast<int>(std::lround(height * ratio));
    tiles_ = QImage(qMax(deviceWidth, 1), qMax(deviceHeight, 1), QImage::Format_RGB32);
    tiles_.setDevicePixelRatio(ratio);
    tiles_.fill(Qt::black);
    if (n <= 0 || width < n || height < n)
        return;
    const int tw = width / n;
    const int th = height / n;
    const int sourceTileWidth = picture.GetWidth() / n;
    const int sourceTileHeight = picture.GetHeight() / n;
    QPainter painter(&tiles_);
    // Each piece is scaled on its own, exactly as drawing tile by tile from the picture would.
    for (int t = 0; t < n * n; ++t) {
        const int homeColumn = t % n;
        const int homeRow = t / n;
        picture.Draw(&painter, homeColumn * tw, homeRow * th, tw, th,
                     homeColumn * sourceTileWidth, homeRow * sourceTileHeight,
                     sourceTileWidth, sourceTileHeight);
    }
}

void BoardPicture::ForgetArrangement()
{
    arranged_ = QImage();
}

std::vector<BoardPicture::Frame> BoardPicture::FramesOf(const ShownBoard& board,
                                                        const BoardLook& look)
{
    std::vector<Frame> frames;
    const QRgb colour = SelectionColourFor(look.SelColour).rgb();
    if (board.Selection)
        frames.push_back(Frame{board.Selection->Column, board.Selection->Row, colour, false});
    if (board.Cursor && board.Arrangement.Contains(*board.Cursor))
        frames.push_back(Frame{board.Cursor->Column, board.Cursor->Row, colour, true});
    return frames;
}

// A frame's right and bottom lines lie on the first pixels of the next column and row.
void BoardPicture::ForgetCellsUnder(const Frame& frame, int n)
{
    for (int x = frame.Column; x <= frame.Column + 1 && x < n; ++x)
        for (int y = frame.Row; y <= frame.Row + 1 && y < n; ++y)
            shown_[x][y] = Unknown;
}

const QImage& BoardPicture::Arranged(const ShownBoard& board, const Picture& picture,
                                     const BoardLook& look)
{
    Tiles(picture, board.N(), board.Width, board.Height, board.PixelRatio);
    const std::optional<QRgb> grid = GridOf(board, look);
    if (look.ButtonFace.rgb() != holeFace_ || look.ButtonShadow.rgb() != holeShadow_
        || grid != grid_)
        ForgetArrangement();
    if (arranged_.isNull()) {
        arranged_ = QImage(tiles_.size(), QImage::Format_RGB32);
        arranged_.setDevicePixelRatio(tiles_.devicePixelRatio());
        arranged_.fill(Qt::black);
        holeFace_ = look.ButtonFace.rgb();
        holeShadow_ = look.ButtonShadow.rgb();
        grid_ = grid;
        for (auto& column : shown_)
            for (int& cell : column)
                cell = Unknown;
        framed_.clear();
    }
    if (board.Width < board.N() || board.Height < board.N())
        return arranged_;
    const std::vector<Frame> frames = FramesOf(board, look);
    for (const Frame& old : framed_)
        if (std::find(frames.begin(), frames.end(), old) == frames.end())
            ForgetCellsUnder(old, board.N());
    // Most paints follow a click that moved two tiles, or none: a painter only when needed.
    std::optional<QPainter> painter;
    for (int x = 0; x < board.N(); ++x) {
        for (int y = 0; y < board.N(); ++y) {
            if (shown_[x][y] == board.Arrangement.At(x, y))
                continue;
            if (!painter) {
                painter.emplace(&arranged_);
                painter->setCompositionMode(QPainter::CompositionMode_Source);
            }
            DrawCell(*painter, board, x, y, look);
        }
    }
    // Drawn again every time: cheaper than working out whether a redrawn cell crossed them.
    for (const Frame& frame : frames) {
        if (!painter)
            painter.emplace(&arranged_);
        DrawOutline(*painter, board, frame.Column, frame.Row, QColor(frame.Colour), frame.Dashed);
    }
    framed_ = frames;
    return arranged_;
}

void BoardPicture::DrawCell(QPainter& painter, const ShownBoard& board, int column, int row,
                            const BoardLook& look)
{
    const int n = board.N();
    const int tile = board.Arrangement.At(column, row);
    const QRect cell = board.CellRect({column, row});
    if (tile == Position::Hole)
        DrawHole(painter, cell, look);
    else if (tile >= 0 && tile < n * n)
        painter.drawImage(QPointF(cell.topLeft()), tiles_, PieceOf(tile, board, tiles_.devicePixelRatio()));
    else
        painter.fillRect(cell, Qt::black);
    if (grid_)
        DrawCellGrid(painter, board, cell, column, row, QColor(*grid_));
    shown_[column][row] = tile;
}

void PaintBoard(QPainter& target, const QRect& area, const ShownBoard& board,
                const QImage& arranged)
{
    if (board.Width < board.N() || board.Height < board.N())
        return;
    // The kept image is the off-screen picture of the board: nothing is drawn over it, so the
    // surface copies it to the window without copying it first.
    OffscreenSurface surface(target, area & QRect(0, 0, board.Width, board.Height), arranged);
    surface.SetMargins(0, 0, 0, 0);
    surface.End();
}

QRect GlidingTileRect(const ShownBoard& board, const TileGlide& glide, qreal progress)
{
    const QRect from = board.CellRect(glide.From);
    const QRect to = board.CellRect(glide.To);
    return from.translated(qRound((to.x() - from.x()) * progress), qRound((to.y() - from.y()) * progress));
}

void PaintGlidingTiles(QPainter& target, const ShownBoard& board, const QImage& tiles,
                       const std::vector<TileGlide>& glides, qreal progress)
{
    const int n = board.N();
    for (const TileGlide& glide : glides) {
        if (glide.Tile < 0 || glide.Tile >= n * n)
            continue;
        target.drawImage(QPointF(GlidingTileRect(board, glide, progress).topLeft()), tiles,
                         PieceOf(glide.Tile, board, tiles.devicePixelRatio()));
    }
}
