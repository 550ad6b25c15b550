#include "TimeChart.h"

#include "ProgressText.h"

#include <QPainter>
#include <QPainterPath>
#include <algorithm>
#include <numeric>

namespace {

constexpr int ScaleLines = 4;

double MeanOf(const std::vector<std::int64_t>& times)
{
    return std::accumulate(times.begin(), times.end(), 0.0) / double(times.size());
}

} // namespace

TimeChart::TimeChart(QWidget* parent) : QWidget(parent)
{
    setAccessibleName(tr("Times of the latest games"));
    setMinimumSize(320, 160);
    setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Expanding);
}

QSize TimeChart::sizeHint() const
{
    return {520, 200};
}

void TimeChart::SetTimes(std::vector<std::int64_t> seconds, const QString& puzzleName)
{
    times_ = std::move(seconds);
    puzzleName_ = puzzleName;
    setAccessibleDescription(Summary());
    update();
}

QString TimeChart::Summary() const
{
    if (times_.empty())
        return puzzleName_.isEmpty() ? tr("No finished games yet.") : tr("No games of %1 yet.").arg(puzzleName_);
    const auto [fastest, slowest] = std::minmax_element(times_.begin(), times_.end());
    return tr("Last %n game(s) of %1: fastest %2, slowest %3, mean %4, latest %5.", nullptr, int(times_.size()))
        .arg(puzzleName_, ProgressText::ClockText(*fastest), ProgressText::ClockText(*slowest),
             ProgressText::ClockText(std::llround(MeanOf(times_))), ProgressText::ClockText(times_.back()));
}

std::int64_t TimeChart::ScaleTop() const
{
    const std::int64_t slowest = std::max<std::int64_t>(*std::max_element(times_.begin(), times_.end()), 1);
    for (const std::int64_t step : {5, 10, 15, 30, 60, 120, 300, 600, 900, 1800, 3600, 7200, 18000, 36000, 86400}) {
        if (slowest <= step * ScaleLines)
            return step * ScaleLines;
    }
    return (slowest / 86400 + 1) * 86400;
}

void TimeChart::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.fillRect(rect(), palette().base());
    if (times_.empty()) {
        painter.setPen(palette().color(QPalette::PlaceholderText));
        painter.drawText(rect(), Qt::AlignCenter | Qt::TextWordWrap, Summary());
        return;
    }
    const QFontMetrics metrics = fontMetrics();
    const int labelWidth = metrics.horizontalAdvance(QStringLiteral("00:00:00")) + 8;
    const QRect plot = rect().adjusted(labelWidth, metrics.height(), -metrics.height(), -metrics.height() - 4);
    const std::int64_t top = ScaleTop();
    PaintScale(painter, plot, top);
    PaintBars(painter, plot, top);
    PaintMean(painter, plot, top);
}

void TimeChart::PaintScale(QPainter& painter, const QRect& plot, std::int64_t top) const
{
    QColor line = palette().color(QPalette::Text);
    line.setAlpha(40);
    for (int step = 0; step <= ScaleLines; ++step) {
        const int y = plot.bottom() - plot.height() * step / ScaleLines;
        painter.setPen(line);
        painter.drawLine(plot.left(), y, plot.right(), y);
        painter.setPen(palette().color(QPalette::PlaceholderText));
        const QRect label(0, y - fontMetrics().height() / 2, plot.left() - 6, fontMetrics().height());
        painter.drawText(label, Qt::AlignRight | Qt::AlignVCenter, ProgressText::ClockText(top * step / ScaleLines));
    }
}

void TimeChart::PaintBars(QPainter& painter, const QRect& plot, std::int64_t top) const
{
    const auto best = std::min_element(times_.begin(), times_.end()) - times_.begin();
    // Fifty slots whatever the count, so bars keep their width as games come in, and the latest
    // game always stands at the right.
    const size_t slotCount = std::max<size_t>(times_.size(), 50);
    const double slot = plot.width() / double(slotCount);
    const double first = plot.left() + double(slotCount - times_.size()) * slot;
    const double gap = std::max(1.0, slot * 0.2);
    const QColor bar = palette().color(QPalette::Highlight);
    const QColor bestBar(0xE0, 0x9F, 0x1F);
    for (size_t i = 0; i < times_.size(); ++i) {
        const double height = plot.height() * double(times_[i]) / double(top);
        const QRectF shape(first + i * slot + gap / 2, plot.bottom() - height, slot - gap, height);
        QPainterPath path;
        path.addRoundedRect(shape, std::min(3.0, shape.width() / 3), std::min(3.0, shape.width() / 3));
        QColor fill = std::ptrdiff_t(i) == best ? bestBar : bar;
        // Older games fade a little, so the eye goes to the latest.
        fill.setAlphaF(0.45 + 0.55 * double(i + 1) / double(times_.size()));
        painter.fillPath(path, fill);
    }
    const double bestCentre = first + (double(best) + 0.5) * slot;
    const double bestTop = plot.bottom() - plot.height() * double(times_[size_t(best)]) / double(top);
    const QString label = tr("best %1").arg(ProgressText::ClockText(times_[size_t(best)]));
    const int width = fontMetrics().horizontalAdvance(label);
    const int left = std::clamp(int(bestCentre) - width / 2, plot.left(), plot.right() - width);
    const QRect labelBox(left - 2, int(bestTop) - fontMetrics().height() - 3, width + 4, fontMetrics().height());
    painter.fillRect(labelBox, palette().base());
    painter.setPen(bestBar.darker(140));
    painter.drawText(labelBox, Qt::AlignCenter, label);
    // Which end is which, under the bars.
    painter.setPen(palette().color(QPalette::PlaceholderText));
    const QRect under(plot.left(), plot.bottom() + 2, plot.width(), fontMetrics().height());
    painter.drawText(under, Qt::AlignLeft | Qt::AlignTop, tr("earlier"));
    painter.drawText(under, Qt::AlignRight | Qt::AlignTop, tr("latest"));
}

void TimeChart::PaintMean(QPainter& painter, const QRect& plot, std::int64_t top) const
{
    const double mean = MeanOf(times_);
    const int y = plot.bottom() - int(plot.height() * mean / double(top));
    QPen pen(palette().color(QPalette::Text), 1, Qt::DashLine);
    painter.setPen(pen);
    painter.drawLine(plot.left(), y, plot.right(), y);
    const QString label = tr("mean %1").arg(ProgressText::ClockText(std::llround(mean)));
    const QRect box = fontMetrics().boundingRect(label).adjusted(-3, -1, 3, 1);
    const QRect placed(plot.right() - box.width(), y - box.height() - 1, box.width(), box.height());
    painter.fillRect(placed, palette().base());
    painter.drawText(placed, Qt::AlignCenter, label);
}
