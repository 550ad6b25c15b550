#include "BoardPainter.h"

#include "OffscreenSurface.h"
#include "Picture.h"

#include <QPainter>
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

// The outline covers (x0, y0) to (x0 + w, y0 + h); in the last column or row it is one pixel
// narrower or shorter, so that it stays inside the board.
void DrawSelection(QPainter& painter, const ShownBoard& board, int column, int row,
                   const QColor& colour)
{
    const int n = board.N();
    const int x0 = column * board.TileWidth();
    const int y0 = row * board.TileHeight();
    const int w = board.TileWidth() - (column == n - 1 ? 1 : 0);
    const int h = board.TileHeight() - (row == n - 1 ? 1 : 0);
    painter.fillRect(x0, y0, w + 1, 1, colour);
    painter.fillRect(x0, y0 + h, w + 1, 1, colour);
    painter.fillRect(x0, y0, 1, h + 1, colour);
    painter.fillRect(x0 + w, y0, 1, h + 1, colour);
}

} // namespace

const QImage& BoardPicture::Tiles(const Picture& picture, int n, int width, int height)
{
    const qint64 key = picture.Image().cacheKey();
    if (tiles_.isNull() || key != pictureKey_ || n != n_ || width != width_ || height != height_)
        Cut(picture, n, width, height);
    return tiles_;
}

void BoardPicture::Cut(const Picture& picture, int n, int width, int height)
{
    pictureKey_ = picture.Image().cacheKey();
    n_ = n;
    width_ = width;
    height_ = height;
    ForgetArrangement();
    // RGB32 has no alpha, so drawing from it is a straight copy.
    tiles_ = QImage(qMax(width, 1), qMax(height, 1), QImage::Format_RGB32);
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

std::optional<BoardPicture::Frame> BoardPicture::FrameOf(const ShownBoard& board,
                                                         const BoardLook& look)
{
    if (!board.Selection)
        return std::nullopt;
    return Frame{board.Selection->Column, board.Selection->Row,
                 SelectionColourFor(look.SelColour).rgb()};
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
    Tiles(picture, board.N(), board.Width, board.Height);
    const std::optional<QRgb> grid = GridOf(board, look);
    if (look.ButtonFace.rgb() != holeFace_ || look.ButtonShadow.rgb() != holeShadow_
        || grid != grid_)
        ForgetArrangement();
    if (arranged_.isNull()) {
        arranged_ = QImage(tiles_.size(), QImage::Format_RGB32);
        arranged_.fill(Qt::black);
        holeFace_ = look.ButtonFace.rgb();
        holeShadow_ = look.ButtonShadow.rgb();
        grid_ = grid;
        for (auto& column : shown_)
            for (int& cell : column)
                cell = Unknown;
        framed_.reset();
    }
    if (board.Width < board.N() || board.Height < board.N())
        return arranged_;
    const std::optional<Frame> frame = FrameOf(board, look);
    if (framed_ && framed_ != frame)
        ForgetCellsUnder(*framed_, board.N());
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
    // Drawn again every time: cheaper than working out whether a redrawn cell crossed it.
    if (frame) {
        if (!painter)
            painter.emplace(&arranged_);
        DrawSelection(*painter, board, frame->Column, frame->Row, QColor(frame->Colour));
    }
    framed_ = frame;
    return arranged_;
}

void BoardPicture::DrawCell(QPainter& painter, const ShownBoard& board, int column, int row,
                            const BoardLook& look)
{
    const int n = board.N();
    const int tw = board.TileWidth();
    const int th = board.TileHeight();
    const int tile = board.Arrangement.At(column, row);
    const QRect cell(column * tw, row * th, tw, th);
    if (tile == Position::Hole)
        DrawHole(painter, cell, look);
    else if (tile >= 0 && tile < n * n)
        painter.drawImage(cell.topLeft(), tiles_, QRect((tile % n) * tw, (tile / n) * th, tw, th));
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
