#pragma once

#include "GameResult.h"
#include "HistoryStore.h"

#include <QString>
#include <chrono>
#include <cstdint>
#include <optional>

// What the history keeps of a finished game beside its result.
struct FinishedGame {
    GameResult Result;
    std::int64_t FinishedAt = 0;  // seconds since the epoch
    int TilesMoved = 0;
    int HintsShown = 0;  // 1 when hints were shown
    std::optional<int> Fewest;
    QString Picture;
};

// Turns each game the player finishes into a line of the history, marked when it was a daily
// puzzle. The window tells it when a game begins and when the player finishes one.
class HistoryRecorder {
public:
    explicit HistoryRecorder(HistoryStore store = HistoryStore());

    const HistoryStore& Store() const { return store_; }
    // The game beginning now is that date's daily puzzle, or any other game.
    void BeginDaily(std::chrono::year_month_day date) { daily_ = date; }
    void BeginOther() { daily_.reset(); }
    std::optional<std::chrono::year_month_day> Daily() const { return daily_; }

    // The record of the game, added to the history; written tells whether that worked.
    GameRecord Record(const FinishedGame& game, bool* written = nullptr);

private:
    HistoryStore store_;
    std::optional<std::chrono::year_month_day> daily_;
};

// The local date and time of a moment as records keep it: "2026-12-08T07:15:02+01:00".
std::string LocalDateTime(std::int64_t secondsSinceEpoch);
// Today's date where the player is.
std::chrono::year_month_day LocalToday();
