#include "HistoryRecorder.h"

#include "DailyPuzzle.h"

#include <QDateTime>
#include <algorithm>

HistoryRecorder::HistoryRecorder(HistoryStore store) : store_(std::move(store)) {}

GameRecord HistoryRecorder::Record(const FinishedGame& game, bool* written)
{
    GameRecord record;
    record.When = LocalDateTime(game.FinishedAt);
    record.N = game.Result.N;
    record.Mode = static_cast<GameMode>(game.Result.Mode);
    record.Moves = game.Result.Moves;
    record.TilesMoved = game.TilesMoved;
    record.Seconds = std::clamp<std::int64_t>(game.Result.Elapsed, 0, RecordFormat::MaxSeconds);
    record.Hints = game.HintsShown;
    record.Fewest = game.Fewest;
    if (daily_)
        record.DailyDate = DailyPuzzle::IsoDate(*daily_);
    record.Picture = game.Picture.toStdString();
    const bool appended = store_.Append(record);
    if (written)
        *written = appended;
    return record;
}

std::string LocalDateTime(std::int64_t secondsSinceEpoch)
{
    const QDateTime local = QDateTime::fromSecsSinceEpoch(secondsSinceEpoch);
    return local.toOffsetFromUtc(local.offsetFromUtc()).toString(Qt::ISODate).toStdString();
}

std::chrono::year_month_day LocalToday()
{
    const QDate today = QDate::currentDate();
    return std::chrono::year_month_day(std::chrono::year(today.year()), std::chrono::month(unsigned(today.month())),
                                       std::chrono::day(unsigned(today.day())));
}
