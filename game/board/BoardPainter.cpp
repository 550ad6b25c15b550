#include "BoardPainter.h"

#include "OffscreenSurface.h"
#include "Picture.h"
#include "PuzzleBoard.h"

#include <QPainter>

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

const QImage& BoardPicture::Tiles(const Picture& picture, int n, int width, int height)
{
    const qint64 key = picture.Image().cacheKey();
    if (tiles_.isNull() || key != pictureKey_ || n != n_ || width != width_ || height != height_)
        Rebuild(picture, n, width, height);
    return tiles_;
}

void BoardPicture::Rebuild(const Picture& picture, int n, int width, int height)
{
    pictureKey_ = picture.Image().cacheKey();
    n_ = n;
    width_ = width;
    height_ = height;
    // RGB32 has no alpha, so drawing a tile from it is a straight copy.
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

void DrawTiles(QPainter& painter, const PuzzleBoard& board, const QImage& tiles, const BoardLook& look)
{
    const int n = board.N();
    const int tw = board.TileWidth();
    const int th = board.TileHeight();
    for (int x = 0; x < n; ++x) {
        for (int y = 0; y < n; ++y) {
            const int tile = board.Cell(x, y);
            const QRect cell(x * tw, y * th, tw, th);
            if (tile == PuzzleBoard::Hole)
                DrawHole(painter, cell, look);
            else if (tile >= 0 && tile < n * n)
                painter.drawImage(cell.topLeft(), tiles,
                                  QRect((tile % n) * tw, (tile / n) * th, tw, th));
        }
    }
}

// Lines at 0, tw, ..., (N-1)tw and W-1 across, the same down, so the right and bottom edges close.
void DrawGrid(QPainter& painter, const PuzzleBoard& board, const QColor& colour)
{
    const int w = board.Width();
    const int h = board.Height();
    for (int i = 0; i < board.N(); ++i) {
        painter.fillRect(i * board.TileWidth(), 0, 1, h, colour);
        painter.fillRect(0, i * board.TileHeight(), w, 1, colour);
    }
    painter.fillRect(w - 1, 0, 1, h, colour);
    painter.fillRect(0, h - 1, w, 1, colour);
}

// The outline covers (x0, y0) to (x0 + w, y0 + h); in the last column or row it is one pixel
// narrower or shorter, so that it stays inside the board.
void DrawSelection(QPainter& painter, const PuzzleBoard& board, const QColor& colour)
{
    const int n = board.N();
    const int x0 = board.SelectedColumn() * board.TileWidth();
    const int y0 = board.SelectedRow() * board.TileHeight();
    const int w = board.TileWidth() - (board.SelectedColumn() == n - 1 ? 1 : 0);
    const int h = board.TileHeight() - (board.SelectedRow() == n - 1 ? 1 : 0);
    painter.fillRect(x0, y0, w + 1, 1, colour);
    painter.fillRect(x0, y0 + h, w + 1, 1, colour);
    painter.fillRect(x0, y0, 1, h + 1, colour);
    painter.fillRect(x0 + w, y0, 1, h + 1, colour);
}

} // namespace

void PaintBoard(QPainter& target, const QRect& area, const PuzzleBoard& board, const QImage& tiles,
                const BoardLook& look)
{
    if (board.Width() < board.N() || board.Height() < board.N())
        return;
    OffscreenSurface surface(target, area);
    surface.SetMargins(0, 0, 0, 0);
    QPainter& painter = surface.Painter();
    DrawTiles(painter, board, tiles, look);
    if (look.Grid != 0 && !board.IsSolved())
        DrawGrid(painter, board, GridColourFor(look.GridColour));
    if (board.HasSelection())
        DrawSelection(painter, board, SelectionColourFor(look.SelColour));
    surface.End();
}
