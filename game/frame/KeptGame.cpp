#include "KeptGame.h"

#include "SavedGameStore.h"

std::optional<KeptRecord> KeptGame::Take(int n, GameMode mode)
{
    const SavedGame saved = SavedGameStore::Load(profile_);
    SavedGameStore::Forget(profile_);
    const std::optional<Position> position = RestoredPosition(saved);
    if (!position || position->N() != n || position->Mode() != mode)
        return std::nullopt;
    return KeptRecord{saved, *position};
}

void KeptGame::Resume(const KeptRecord& kept)
{
    // A game kept without its tiles moved cannot be set beside its fewest.
    const bool counted = kept.Saved.TilesMoved >= 0;
    session_.ResumeGame(kept.At, kept.Saved.Moves, kept.Saved.Elapsed, kept.Saved.Hints,
                        counted ? kept.Saved.TilesMoved : 0, counted ? kept.Saved.Fewest : -1);
}

void KeptGame::Store(const std::string& picture, int zipIndex, int fewest)
{
    if (session_.Finished())
        return SavedGameStore::Forget(profile_);
    const Position& current = session_.Current();
    SavedGame saved;
    saved.Picture = picture;
    saved.ZipIndex = zipIndex;
    saved.N = current.N();
    saved.Mode = static_cast<int>(current.Mode());
    saved.Cells = CellsText(current);
    saved.Moves = session_.Moves();
    saved.Elapsed = session_.RunningTime();
    saved.Hints = session_.HintsUsed();
    saved.TilesMoved = session_.TilesMoved();
    saved.Fewest = fewest;
    SavedGameStore::Store(profile_, saved);
}

void KeptGame::Completed(const GameResult&)
{
    SavedGameStore::Forget(profile_);
}
