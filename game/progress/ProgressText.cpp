#include "ProgressText.h"

#include <QCoreApplication>
#include <QLocale>
#include <cmath>

namespace {

// Every text of this file under one context, where the translation tools find it.
struct Words {
    Q_DECLARE_TR_FUNCTIONS(ProgressText)
};

const QString NoFigure = QStringLiteral("–");

template <typename Value, typename Format>
QString Figure(const std::optional<Value>& value, Format format)
{
    return value ? format(*value) : NoFigure;
}

QString MeanTime(double seconds)
{
    return ProgressText::ClockText(std::llround(seconds));
}

} // namespace

namespace ProgressText {

QString ClockText(std::int64_t seconds)
{
    seconds = std::max<std::int64_t>(seconds, 0);
    const QLatin1Char zero('0');
    if (seconds < 3600)
        return QStringLiteral("%1:%2").arg(seconds / 60).arg(seconds % 60, 2, 10, zero);
    return QStringLiteral("%1:%2:%3").arg(seconds / 3600).arg(seconds / 60 % 60, 2, 10, zero).arg(seconds % 60, 2, 10, zero);
}

QString PuzzleName(int n, GameMode mode)
{
    return mode == GameMode::Slider ? Words::tr("%1 × %1 slider").arg(n) : Words::tr("%1 × %1 tile swap").arg(n);
}

QStringList StatisticsTitles()
{
    return {Words::tr("Puzzle"), Words::tr("Games"), Words::tr("Best time"), Words::tr("Best moves"), Words::tr("Mean of last 5"),
            Words::tr("Mean of last 12"), Words::tr("Tiles moved / fewest")};
}

QStringList StatisticsRow(const GroupStatistics& figures)
{
    const QLocale locale;
    return {PuzzleName(figures.N, figures.Mode), locale.toString(figures.Games),
            Figure(figures.BestSeconds, ClockText),
            Figure(figures.BestMoves, [&](int moves) { return locale.toString(moves); }),
            Figure(figures.MeanOfLast5, MeanTime), Figure(figures.MeanOfLast12, MeanTime),
            Figure(figures.TilesOverFewest, [&](double ratio) { return Words::tr("%1 ×").arg(locale.toString(ratio, 'f', 2)); })};
}

QString ShareLine(const GameRecord& record)
{
    const QString date = QString::fromStdString(record.DailyDate);
    if (!record.Fewest)
        return Words::tr("Tilora daily %1: %2 × %2, %n tiles moved, %3", nullptr, record.TilesMoved)
            .arg(date).arg(record.N).arg(ClockText(record.Seconds));
    return Words::tr("Tilora daily %1: %2 × %2, %n tiles moved (fewest %3), %4", nullptr, record.TilesMoved)
        .arg(date).arg(record.N).arg(*record.Fewest).arg(ClockText(record.Seconds));
}

QString StreakText(int days)
{
    return Words::tr("%n day(s) in a row", nullptr, days);
}

} // namespace ProgressText
