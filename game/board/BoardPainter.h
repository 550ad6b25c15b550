#pragma once

#include <QColor>
#include <QImage>
#include <QRect>

class Picture;
class PuzzleBoard;
class QPainter;

// The options and system colours a board paint reads.
struct BoardLook {
    int Grid = 1;        // grid lines while unsolved when non-zero
    int GridColour = 0;  // 0 black, 1 white, 2 red
    int SelColour = 1;   // 0 black, 1 yellow, 2 red
    QColor ButtonFace = QColor(212, 208, 200);
    QColor ButtonShadow = QColor(128, 128, 128);
};

// The picture cut to the board once per puzzle: every tile's piece of the picture scaled to the
// tile size and laid at the tile's home cell. A paint then only copies tile-sized blocks, instead
// of scaling the full picture a hundred times on every click.
class BoardPicture {
public:
    // The W x H image for this picture, N and board size; rebuilt only when one of them changed.
    const QImage& Tiles(const Picture& picture, int n, int width, int height);

private:
    void Rebuild(const Picture& picture, int n, int width, int height);

    QImage tiles_;
    qint64 pictureKey_ = 0;
    int n_ = 0;
    int width_ = 0;
    int height_ = 0;
};

// Draws the whole board into target through an off-screen image, copied to target in one step.
// area is the part of target being painted. tiles is BoardPicture::Tiles for this board.
void PaintBoard(QPainter& target, const QRect& area, const PuzzleBoard& board, const QImage& tiles,
                const BoardLook& look);

QColor GridColourFor(int gridColour);
QColor SelectionColourFor(int selColour);
