#pragma once

#include "CommandTable.h"

#include <QString>
#include <array>

// The toolbar's entries, left to right. A separator has no command and is 10 pixels wide.
struct ToolbarEntry {
    int Command;         // 0 for a separator
    int Image;           // index of the 32 x 32 picture in the strip; -1 for a separator
    const char* ToolTip;
};

inline constexpr int ToolbarSeparatorWidth = 10;
inline constexpr int ToolbarPictureSize = 32;
inline constexpr int ToolbarButtonWidth = 40;
inline constexpr int ToolbarButtonHeight = 38;

inline constexpr std::array<ToolbarEntry, 9> ToolbarEntries{{
    {CommandId::New, 0, "New puzzle!"},
    {CommandId::Open, 1, "Open picture"},
    {0, -1, nullptr},
    {CommandId::Jumble, 2, "Jumble!"},
    {CommandId::ShowSolution, 3, "Show solution"},
    {CommandId::SolveForMe, 4, "Solve for me!"},
    {0, -1, nullptr},
    {CommandId::PuzzleDifficulty, 5, "Puzzle difficulty"},
    {CommandId::Grid, 6, "Grid"},
}};

// The tooltip of the button that issues `command`; empty for any other command.
QString ToolbarToolTip(int command);
