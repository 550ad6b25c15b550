#pragma once

#include "Position.h"

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

// One game the player finished, as the history keeps it.
struct GameRecord {
    std::string When;  // local date and time of the finish: "2026-12-08T07:15:02+01:00"
    int N = 0;
    GameMode Mode = GameMode::TileSwap;
    int Moves = 0;
    int TilesMoved = 0;
    std::int64_t Seconds = 0;
    int Hints = 0;                 // 1 when hints were shown during the game (room for a count)
    std::optional<int> Fewest;     // the fewest tile moves (swaps in tile swap) that solve the start
    std::string DailyDate;         // "2026-12-08" for that date's daily puzzle; empty for other games
    std::string Picture;           // the picture's name, UTF-8

    bool operator==(const GameRecord&) const = default;
};

// The history's line format, one game a line, fields separated by tabs:
//   G1 when size mode moves tiles seconds hints fewest daily picture
// "G1" marks the format; mode is "swap" or "slider"; fewest and daily are "-" when unknown or not
// a daily game; the picture name is last, with backslash, tab, newline and carriage return written
// as \\ \t \n \r. Fields added later go after the picture, so this reader keeps reading them.
namespace RecordFormat {

constexpr std::string_view Tag = "G1";
// A hundred years: no game lasts longer, and every sum and scale of times stays far from overflow.
constexpr std::int64_t MaxSeconds = 100LL * 365 * 24 * 3600;

// The record's line, with its newline.
std::string Line(const GameRecord& record);
// The record of a line (without its newline); nothing for a damaged or foreign line.
std::optional<GameRecord> Parse(std::string_view line);

// Whether text is a calendar date written "YYYY-MM-DD".
bool IsIsoDate(std::string_view text);

} // namespace RecordFormat
