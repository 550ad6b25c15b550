#pragma once

#include "GameRecord.h"

#include <QString>
#include <cstdint>

// What the end of a daily puzzle says, in the player's language.
namespace DailyResult {

// "1:12", or "1:02:03" from an hour on.
QString ClockText(std::int64_t seconds);
// The line to copy and share: "Tilora daily 2026-12-08: 4 × 4, 63 tiles moved (fewest 48), 1:12".
QString ShareLine(const GameRecord& record);
// "3 days in a row".
QString StreakText(int days);

} // namespace DailyResult
