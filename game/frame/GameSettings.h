#pragma once

#include <QString>

class Profile;

// The options that outlive a run, section "Settings" of the profile. Read once at start-up,
// written once at shutdown. Values are always sane after LoadSettings: Dimension 3..10,
// Grid and Sound 0 or 1, colours 0..2, PuzzleMode 0 or 1.
struct GameSettings {
    static constexpr const char* Section = "Settings";
    static constexpr int FirstRunMarker = 999;
    static constexpr int MinDimension = 3;
    static constexpr int MaxDimension = 10;

    int Dimension = 4;
    int Grid = 1;
    int GridColour = 0;  // 0 black, 1 white, 2 red
    int SelColour = 1;   // 0 black, 1 yellow, 2 red
    int Sound = 1;
    int PuzzleMode = 0;  // GameMode: 0 tile swap, 1 slider
    QString Folder;      // set to the program's folder before LoadSettings; the first-run default

    // Fills the fields from the profile; on a first run writes the defaults instead. A value
    // out of its range takes its default; Grid and Sound read any non-zero value as 1; a
    // missing Folder reads as "".
    void LoadSettings(Profile& profile);
    // Writes the seven values, in order: Dimension, Grid, GridColour, SelColour, Sound,
    // PuzzleMode, Folder.
    void SaveSettings(Profile& profile) const;
    void WriteDefaultSettings(Profile& profile) const;
};
