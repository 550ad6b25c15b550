#pragma once

#include <QString>
#include <array>

// The toolbar's entries, left to right. A separator has no command and is 10 pixels wide.
struct ToolbarEntry {
    int Command;         // 0 for a separator
    int Image;           // index of the 32 x 32 picture in the strip; -1 for a separator
    const char* ToolTip;
};

namespace ToolbarCommand {
constexpr int New = 40001;
constexpr int Open = 57601;
constexpr int Jumble = 40004;
constexpr int ShowSolution = 40005;
constexpr int SolveForMe = 40008;
constexpr int Grid = 40009;
constexpr int PuzzleDifficulty = 40010;  // the size drop-down; issues no command of its own
constexpr int FirstSize = 40011;         // "3 x 3"
constexpr int LastSize = 40018;          // "10 x 10"
constexpr int FromThisZip = 40032;
constexpr int FromFolder = 40033;
}  // namespace ToolbarCommand

inline constexpr int ToolbarSeparatorWidth = 10;
inline constexpr int ToolbarPictureSize = 32;
inline constexpr int ToolbarButtonWidth = 40;
inline constexpr int ToolbarButtonHeight = 38;

inline constexpr std::array<ToolbarEntry, 9> ToolbarEntries{{
    {ToolbarCommand::New, 0, "New puzzle!"},
    {ToolbarCommand::Open, 1, "Open picture"},
    {0, -1, nullptr},
    {ToolbarCommand::Jumble, 2, "Jumble!"},
    {ToolbarCommand::ShowSolution, 3, "Show solution"},
    {ToolbarCommand::SolveForMe, 4, "Solve for me!"},
    {0, -1, nullptr},
    {ToolbarCommand::PuzzleDifficulty, 5, "Puzzle difficulty"},
    {ToolbarCommand::Grid, 6, "Grid"},
}};

// The tooltip of the button that issues `command`; empty for any other command.
QString ToolbarToolTip(int command);
