#include "GameSettings.h"

#include "Profile.h"

namespace {

const GameSettings Defaults;

// A stored number within lowest..highest, else the default.
template <typename Value>
Value InRangeOr(int stored, int lowest, int highest, Value fallback)
{
    return stored >= lowest && stored <= highest ? static_cast<Value>(stored) : fallback;
}

int Stored(bool on)
{
    return on ? 1 : 0;
}

template <typename Code>
int Stored(Code code)
{
    return static_cast<int>(code);
}

void WriteValues(Profile& profile, const GameSettings& values, const QString& folder)
{
    const QString section = GameSettings::Section;
    profile.WriteProfileInt(section, "Dimension", values.Dimension);
    profile.WriteProfileInt(section, "Grid", Stored(values.Grid));
    profile.WriteProfileInt(section, "GridColour", Stored(values.GridColour));
    profile.WriteProfileInt(section, "SelColour", Stored(values.SelColour));
    profile.WriteProfileInt(section, "Sound", Stored(values.Sound));
    profile.WriteProfileInt(section, "PuzzleMode", Stored(values.PuzzleMode));
    profile.WriteProfileString(section, "Folder", folder);
    profile.WriteProfileInt(section, "StatusBar", Stored(values.StatusBar));
}

} // namespace

void GameSettings::LoadSettings(Profile& profile)
{
    const QString section = Section;
    const int dimension = profile.GetProfileInt(section, "Dimension", FirstRunMarker);
    if (dimension == FirstRunMarker) {
        const QString programFolder = Folder;
        *this = Defaults;
        Folder = programFolder;
        WriteDefaultSettings(profile);
        return;
    }
    // Stored values are checked: a board larger than its storage, or a size that divides by
    // zero, must never come out of an edited profile.
    Dimension = InRangeOr(dimension, Position::MinN, Position::MaxN, Defaults.Dimension);
    Grid = profile.GetProfileInt(section, "Grid", Stored(Defaults.Grid)) != 0;
    GridColour = InRangeOr(profile.GetProfileInt(section, "GridColour", Stored(Defaults.GridColour)),
                           0, 2, Defaults.GridColour);
    SelColour = InRangeOr(profile.GetProfileInt(section, "SelColour", Stored(Defaults.SelColour)),
                          0, 2, Defaults.SelColour);
    Sound = profile.GetProfileInt(section, "Sound", Stored(Defaults.Sound)) != 0;
    PuzzleMode = InRangeOr(profile.GetProfileInt(section, "PuzzleMode", Stored(Defaults.PuzzleMode)),
                           0, 1, Defaults.PuzzleMode);
    Folder = profile.GetProfileString(section, "Folder", QString(""));
    StatusBar = profile.GetProfileInt(section, "StatusBar", Stored(Defaults.StatusBar)) != 0;
}

void GameSettings::SaveSettings(Profile& profile) const
{
    WriteValues(profile, *this, Folder);
}

void GameSettings::WriteDefaultSettings(Profile& profile) const
{
    // Folder holds the program's folder at this point: the first-run default.
    WriteValues(profile, Defaults, Folder);
}
