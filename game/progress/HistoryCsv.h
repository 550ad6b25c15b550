#pragma once

#include "GameRecord.h"

#include <string>
#include <vector>

// The history as comma-separated values for a spreadsheet: a header line, then one line a game,
// fields quoted where they must be. A picture name that a spreadsheet would take for a formula
// (starting with =, +, -, @) gets a leading apostrophe, so opening the file never runs anything.
std::string HistoryCsv(const std::vector<GameRecord>& records);
