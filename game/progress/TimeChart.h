#pragma once

#include <QWidget>
#include <cstdint>
#include <vector>

// A small bar chart of the latest times of one size and mode, the oldest at the left: each bar a
// game, the best of them picked out, the mean as a line across, so a trend shows at a glance.
// What it shows is also its accessible description, for a screen reader.
class TimeChart : public QWidget {
    Q_OBJECT
public:
    explicit TimeChart(QWidget* parent = nullptr);

    // Seconds of each game, the oldest first; what they are of, for the description.
    void SetTimes(std::vector<std::int64_t> seconds, const QString& puzzleName);
    const std::vector<std::int64_t>& Times() const { return times_; }
    QString Summary() const;

    QSize sizeHint() const override;

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    // The time at the top of the scale: a round step above the slowest game.
    std::int64_t ScaleTop() const;
    void PaintScale(QPainter& painter, const QRect& plot, std::int64_t top) const;
    void PaintBars(QPainter& painter, const QRect& plot, std::int64_t top) const;
    void PaintMean(QPainter& painter, const QRect& plot, std::int64_t top) const;

    std::vector<std::int64_t> times_;
    QString puzzleName_;
};
