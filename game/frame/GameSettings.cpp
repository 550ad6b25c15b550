#include "GameSettings.h"

#include "Profile.h"

namespace {

const GameSettings Defaults;

int InRangeOr(int value, int lowest, int highest, int fallback)
{
    return value >= lowest && value <= highest ? value : fallback;
}

// A switch is 0 or 1 whatever was stored, so that "1 - value" always toggles it.
int AsSwitch(int value)
{
    return value != 0 ? 1 : 0;
}

void WriteValues(Profile& profile, const GameSettings& values, const QString& folder)
{
    const QString section = GameSettings::Section;
    profile.WriteProfileInt(section, "Dimension", values.Dimension);
    profile.WriteProfileInt(section, "Grid", values.Grid);
    profile.WriteProfileInt(section, "GridColour", values.GridColour);
    profile.WriteProfileInt(section, "SelColour", values.SelColour);
    profile.WriteProfileInt(section, "Sound", values.Sound);
    profile.WriteProfileInt(section, "PuzzleMode", values.PuzzleMode);
    profile.WriteProfileString(section, "Folder", folder);
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
    Dimension = InRangeOr(dimension, MinDimension, MaxDimension, Defaults.Dimension);
    Grid = AsSwitch(profile.GetProfileInt(section, "Grid", Defaults.Grid));
    GridColour = InRangeOr(profile.GetProfileInt(section, "GridColour", Defaults.GridColour), 0, 2,
                           Defaults.GridColour);
    SelColour = InRangeOr(profile.GetProfileInt(section, "SelColour", Defaults.SelColour), 0, 2,
                          Defaults.SelColour);
    Sound = AsSwitch(profile.GetProfileInt(section, "Sound", Defaults.Sound));
    PuzzleMode = InRangeOr(profile.GetProfileInt(section, "PuzzleMode", Defaults.PuzzleMode), 0, 1,
                           Defaults.PuzzleMode);
    Folder = profile.GetProfileString(section, "Folder", QString(""));
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
