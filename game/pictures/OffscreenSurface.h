#pragma once

#include <QImage>
#include <QPainter>
#include <QRect>

// An image of the target's area that painting code draws into, copied to the target in one
// step when the surface ends, so a window never shows a half-drawn picture. The copy is shifted
// by the left and top margins and trimmed by all four: what is drawn at (x, y) lands at
// (x + left, y + top), and only the area shrunk by the margins reaches the target.
class OffscreenSurface {
public:
    // area: the part of the target being painted (its clip box), in the target's coordinates.
    OffscreenSurface(QPainter& target, const QRect& area);
    // Starts from an image drawn earlier into memory, covering the target from (0, 0): nothing
    // is copied until more is drawn, so a surface over a kept image costs one copy at End.
    OffscreenSurface(QPainter& target, const QRect& area, const QImage& drawn);
    ~OffscreenSurface();  // ends the surface if End was not called
    OffscreenSurface(const OffscreenSurface&) = delete;
    OffscreenSurface& operator=(const OffscreenSurface&) = delete;

    // Draws into the surface in the target's coordinates.
    QPainter& Painter();
    void SetMargins(int left, int top, int right, int bottom);
    // Copies the image to the target; later calls do nothing.
    void End();

private:
    QPainter& target_;
    QRect area_;
    QImage image_;
    QPoint imageOrigin_;  // the target point that the image's top-left pixel stands for
    QPainter painter_;
    int left_ = 0, top_ = 0, right_ = 0, bottom_ = 0;
    bool ended_ = false;
};
