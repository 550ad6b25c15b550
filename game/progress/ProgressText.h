#pragma once

#include "GameRecord.h"
#include "GameStatistics.h"

#include <QString>
#include <cstdint>

// How the history, its figures and the daily result read, in the player's language.
namespace ProgressText {

// "1:12", or "1:02:03" from an hour on.
QString ClockText(std::int64_t seconds);
// "4 × 4 slider", "5 × 5 tile swap".
QString PuzzleName(int n, GameMode mode);
// The figures of a group as the statistics table shows them, one text a column; "–" where there
// is no figure yet.
QStringList StatisticsRow(const GroupStatistics& figures);
QStringList StatisticsTitles();
// The line to copy and share: "Tilora daily 2026-12-08: 4 × 4, 63 tiles moved (fewest 48), 1:12".
QString ShareLine(const GameRecord& record);
// "3 days in a row".
QString StreakText(int days);

} // namespace ProgressText
