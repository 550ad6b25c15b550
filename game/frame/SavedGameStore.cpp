#include "SavedGameStore.h"

#include "Profile.h"

namespace SavedGameStore {

namespace {

constexpr int Missing = -1;

} // namespace

void Store(Profile& profile, const SavedGame& saved)
{
    const QString section = Section;
    profile.WriteProfileString(section, "Picture", QString::fromStdString(saved.Picture));
    profile.WriteProfileInt(section, "ZipIndex", saved.ZipIndex);
    profile.WriteProfileInt(section, "Dimension", saved.N);
    profile.WriteProfileInt(section, "PuzzleMode", saved.Mode);
    profile.WriteProfileString(section, "Position", QString::fromStdString(saved.Cells));
    profile.WriteProfileInt(section, "Moves", saved.Moves);
    profile.WriteProfileInt(section, "Elapsed", static_cast<int>(saved.Elapsed));
    profile.WriteProfileInt(section, "Hints", saved.Hints ? 1 : 0);
    profile.WriteProfileInt(section, "TilesMoved", saved.TilesMoved);
    profile.WriteProfileInt(section, "Fewest", saved.Fewest);
}

SavedGame Load(const Profile& profile)
{
    const QString section = Section;
    SavedGame saved;
    saved.Picture = profile.GetProfileString(section, "Picture").toStdString();
    saved.ZipIndex = profile.GetProfileInt(section, "ZipIndex", Missing);
    saved.N = profile.GetProfileInt(section, "Dimension", Missing);
    saved.Mode = profile.GetProfileInt(section, "PuzzleMode", Missing);
    saved.Cells = profile.GetProfileString(section, "Position").toStdString();
    saved.Moves = profile.GetProfileInt(section, "Moves", Missing);
    saved.Elapsed = profile.GetProfileInt(section, "Elapsed", Missing);
    saved.Hints = profile.GetProfileInt(section, "Hints", 0) != 0;
    saved.TilesMoved = profile.GetProfileInt(section, "TilesMoved", Missing);
    saved.Fewest = profile.GetProfileInt(section, "Fewest", Missing);
    return saved;
}

void Forget(Profile& profile)
{
    profile.DeleteSection(Section);
}

} // namespace SavedGameStore
