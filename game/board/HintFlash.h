#pragma once

#include <QColor>
#include <QRect>
#include <QTimer>
#include <QWidget>
#include <vector>

// Frames that blink over a few cells of the board for two seconds, then go: a hint. It lies over
// the board as a see-through child, so presses reach the board and the board's painting is
// untouched.
class HintFlash : public QWidget {
    Q_OBJECT
public:
    static constexpr int DurationMs = 2000;

    explicit HintFlash(QWidget* board);

    // Replaces any flash still running.
    void Flash(std::vector<QRect> cells, const QColor& colour);
    void Stop();
    bool Flashing() const { return !cells_.empty(); }
    const std::vector<QRect>& Cells() const { return cells_; }

signals:
    // A flash began or ended: the cells a hint is about are others.
    void CellsChanged();

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    void Blink();

    std::vector<QRect> cells_;
    QColor colour_;
    QTimer blinks_;
    int blinksLeft_ = 0;
};
