#pragma once

#include "CommandTable.h"

#include <QCoreApplication>
#include <QString>
#include <array>

// The toolbar's entries, left to right. A separator has no command and is 10 pixels wide.
struct ToolbarEntry {
    int Command;         // 0 for a separator
    int Image;           // index of the 32 x 32 picture in the strip; -1 for a separator
    const char* ToolTip;  // in English; ToolbarToolTip gives it in the player's language
};

inline constexpr int ToolbarSeparatorWidth = 10;
inline constexpr int ToolbarPictureSize = 32;
inline constexpr int ToolbarButtonWidth = 40;
inline constexpr int ToolbarButtonHeight = 38;

inline constexpr std::array<ToolbarEntry, 9> ToolbarEntries{{
    {CommandId::New, 0, QT_TRANSLATE_NOOP("GameToolbar", "New puzzle!")},
    {CommandId::Open, 1, QT_TRANSLATE_NOOP("GameToolbar", "Open picture")},
    {0, -1, nullptr},
    {CommandId::Jumble, 2, QT_TRANSLATE_NOOP("GameToolbar", "Jumble!")},
    {CommandId::ShowSolution, 3, QT_TRANSLATE_NOOP("GameToolbar", "Show solution")},
    {CommandId::SolveForMe, 4, QT_TRANSLATE_NOOP("GameToolbar", "Solve for me!")},
    {0, -1, nullptr},
    {CommandId::PuzzleDifficulty, 5, QT_TRANSLATE_NOOP("GameToolbar", "Puzzle difficulty")},
    {CommandId::Grid, 6, QT_TRANSLATE_NOOP("GameToolbar", "Grid")},
}};

// The tooltip of the button that issues `command`; empty for any other command.
QString ToolbarToolTip(int command);
