#pragma once

#include <QStringList>

struct ScoreEntry;

// What a scoreboard list shows: its columns and the texts of one place.
namespace ScoreboardRows {

constexpr int ColumnCount = 4;

QStringList ColumnTitles();  // "Name", "Difficulty", "Time", "Moves"
// A column's share of the list's width, cut to whole pixels.
int ColumnWidth(int column, int listWidth);
// Name, "%d x %d", the scoreboard time text, "%d".
QStringList CellTexts(const ScoreEntry& entry);

}  // namespace ScoreboardRows
