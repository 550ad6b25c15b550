#pragma once

#include "Position.h"
#include "ProfileSections.h"

#include <QString>

class Profile;

// The colours the options offer, stored as their numbers.
enum class GridLineColour : int { Black = 0, White = 1, Red = 2 };
enum class FrameColour : int { Black = 0, Yellow = 1, Red = 2 };

// The options that outlive a run, section "Settings" of the profile. Read once at start-up,
// written once at shutdown, each value as the number the profile has always held.
struct GameSettings {
    static constexpr const char* Section = ProfileSections::Settings;
    static constexpr int FirstRunMarker = 999;

    int Dimension = 4;  // N, Position::MinN..Position::MaxN
    bool Grid = true;
    GridLineColour GridColour = GridLineColour::Black;
    FrameColour SelColour = FrameColour::Yellow;  // of the frame around the selected tile
    bool Sound = true;
    GameMode PuzzleMode = GameMode::TileSwap;
    bool StatusBar = true;
    QString Folder;  // set to the program's folder before LoadSettings; the first-run default

    // Fills the fields from the profile; on a first run writes the defaults instead. A value
    // out of its range takes its default; Grid and Sound read any non-zero value as on; a
    // missing Folder reads as "". StatusBar, like Grid and Sound, reads any
    // non-zero value as on.
    void LoadSettings(Profile& profile);
    // Writes the eight values, in order: Dimension, Grid, GridColour, SelColour, Sound,
    // PuzzleMode, Folder, StatusBar.
    void SaveSettings(Profile& profile) const;
    void WriteDefaultSettings(Profile& profile) const;
};
